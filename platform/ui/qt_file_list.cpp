#include "platform/ui/qt_file_list.h"

#include <QFileSystemModel>
#include <QLocale>

namespace pemo::ui {

namespace {

constexpr int kDateColumn = 3;  // the file system model's "Date Modified"

}  // namespace

QVariant FileListModel::data(const QModelIndex& index, int role) const {
  auto* files = qobject_cast<QFileSystemModel*>(sourceModel());
  if (files && role == Qt::DisplayRole && index.column() == kDateColumn)
    return QLocale().toString(files->lastModified(mapToSource(index)), QLocale::ShortFormat);
  return QSortFilterProxyModel::data(index, role);
}

}  // namespace pemo::ui
