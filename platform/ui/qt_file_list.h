#pragma once
// The list of Qt's own file dialog as the programs show it. Qt writes a file's date in
// the user's system locale ("9 Dec 2026 10:37:09" under the C locale); this list writes
// it as the rest of the programs speak, in Japanese ("2026/12/09 10:37"), and its
// columns are as wide as what they show, so that no date is cut. Sizes read as the
// desktop's Japanese dialogs write them ("1,023 バイト", "2.86 MB"), under any locale.
// Sizes and dates sort by their values, not by their texts; names sort folders first and
// without regard to letter case.
#include <QSortFilterProxyModel>

class QFileDialog;

namespace pemo::ui {

class FileListModel : public QSortFilterProxyModel {
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;
  QVariant data(const QModelIndex& index, int role) const override;

 protected:
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};

// Each folder the dialog lists gets its columns fitted to their contents.
void fitFileListColumns(QFileDialog& dialog);

}  // namespace pemo::ui
