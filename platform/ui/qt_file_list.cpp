#include "platform/ui/qt_file_list.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLocale>
#include <QTimer>
#include <QTreeView>
#include <algorithm>

#include "platform/text/file_size_text.h"

namespace pemo::ui {

namespace {

// The file system model's columns "Name", "Size" and "Date Modified".
constexpr int kNameColumn = 0;
constexpr int kSizeColumn = 1;
constexpr int kDateColumn = 3;

}  // namespace

QVariant FileListModel::data(const QModelIndex& index, int role) const {
  auto* files = qobject_cast<QFileSystemModel*>(sourceModel());
  if (files && role == Qt::DisplayRole && index.column() == kDateColumn)
    return QLocale().toString(files->lastModified(mapToSource(index)), QLocale::ShortFormat);
  // The model writes sizes in the system locale's words and units; a folder shows no size.
  if (files && role == Qt::DisplayRole && index.column() == kSizeColumn && !files->isDir(mapToSource(index)))
    return QString::fromStdString(text::FormatFileSize(std::max<qint64>(files->size(mapToSource(index)), 0)));
  return QSortFilterProxyModel::data(index, role);
}

bool FileListModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  auto* files = qobject_cast<QFileSystemModel*>(sourceModel());
  if (files && left.column() == kSizeColumn) return files->size(left) < files->size(right);
  if (files && left.column() == kDateColumn) return files->lastModified(left) < files->lastModified(right);
  if (files && left.column() == kNameColumn) {
    // Folders first, then names without regard to letter case, as the desktop's dialogs list them.
    if (files->isDir(left) != files->isDir(right)) return files->isDir(left);
    const QString a = files->fileName(left), b = files->fileName(right);
    const int blind = QString::compare(a, b, Qt::CaseInsensitive);
    return blind != 0 ? blind < 0 : a < b;
  }
  return QSortFilterProxyModel::lessThan(left, right);
}

void fitFileListColumns(QFileDialog& dialog) {
  auto* files = dialog.findChild<QFileSystemModel*>();
  auto* list = dialog.findChild<QTreeView*>();
  if (!files || !list) return;
  auto fitLater = [list] {
    QTimer::singleShot(0, list, [list] { list->header()->resizeSections(QHeaderView::ResizeToContents); });
  };
  // The folder's last entries reach the list after the model says it is loaded; a folder
  // the model had loaded before (a typed one the name box's completion read) says nothing
  // when the list turns to it.
  QObject::connect(files, &QFileSystemModel::directoryLoaded, list, fitLater);
  QObject::connect(files, &QFileSystemModel::rootPathChanged, list, fitLater);
}

}  // namespace pemo::ui
