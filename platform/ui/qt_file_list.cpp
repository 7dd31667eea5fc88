#include "platform/ui/qt_file_list.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLocale>
#include <QTimer>
#include <QTreeView>

namespace pemo::ui {

namespace {

// The file system model's columns "Size" and "Date Modified".
constexpr int kSizeColumn = 1;
constexpr int kDateColumn = 3;

}  // namespace

QVariant FileListModel::data(const QModelIndex& index, int role) const {
  auto* files = qobject_cast<QFileSystemModel*>(sourceModel());
  if (files && role == Qt::DisplayRole && index.column() == kDateColumn)
    return QLocale().toString(files->lastModified(mapToSource(index)), QLocale::ShortFormat);
  return QSortFilterProxyModel::data(index, role);
}

bool FileListModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  auto* files = qobject_cast<QFileSystemModel*>(sourceModel());
  if (files && left.column() == kSizeColumn) return files->size(left) < files->size(right);
  if (files && left.column() == kDateColumn) return files->lastModified(left) < files->lastModified(right);
  return QSortFilterProxyModel::lessThan(left, right);
}

void fitFileListColumns(QFileDialog& dialog) {
  auto* files = dialog.findChild<QFileSystemModel*>();
  auto* list = dialog.findChild<QTreeView*>();
  if (!files || !list) return;
  // The folder's last entries reach the list after the model says it is loaded.
  QObject::connect(files, &QFileSystemModel::directoryLoaded, list, [list] {
    QTimer::singleShot(0, list, [list] { list->header()->resizeSections(QHeaderView::ResizeToContents); });
  });
}

}  // namespace pemo::ui
