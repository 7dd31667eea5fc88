#pragma once
// The list of Qt's own file dialog as the programs show it. Qt writes a file's date in
// the user's system locale ("9 Dec 2026 10:37:09" under the C locale, cut off in its
// column); this list writes it as the rest of the programs speak, in Japanese
// ("2026/12/09 10:37").
#include <QSortFilterProxyModel>

namespace pemo::ui {

class FileListModel : public QSortFilterProxyModel {
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;
  QVariant data(const QModelIndex& index, int role) const override;
};

}  // namespace pemo::ui
