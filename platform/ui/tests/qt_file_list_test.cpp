#include <gtest/gtest.h>

#include <QFile>
#include <QFileSystemModel>
#include <QSignalSpy>
#include <QTest>

#include "platform/testing/temp_dir.h"
#include "platform/ui/qt_file_list.h"

namespace pemo::ui {
namespace {

// A file of that many bytes, changed at that date.
void writeFile(const pemo::testing::TempDir& folder, const std::string& name, int bytes, QDate changed) {
  pemo::testing::writeFileBytes(folder / name, std::string(bytes, 'x'));
  QFile file(QString::fromStdString((folder / name).string()));
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(file.setFileTime(QDateTime(changed, QTime(10, 0)), QFileDevice::FileModificationTime));
}

TEST(QtFileList, SizesAndDatesSortByTheirValues) {
  pemo::testing::TempDir folder;
  writeFile(folder, "A.FIL", 1500, QDate(2026, 2, 1));
  writeFile(folder, "B.FIL", 120, QDate(2025, 11, 10));
  writeFile(folder, "C.FIL", 9000, QDate(2026, 12, 9));
  QFileSystemModel files;
  QSignalSpy loaded(&files, &QFileSystemModel::directoryLoaded);
  const QModelIndex root = files.setRootPath(QString::fromStdString(folder.path().string()));
  ASSERT_TRUE(loaded.wait());
  ASSERT_TRUE(QTest::qWaitFor([&] { return files.rowCount(root) == 3; }));
  FileListModel list;
  list.setSourceModel(&files);
  auto names = [&] {
    QString order;
    const QModelIndex listRoot = list.mapFromSource(root);
    for (int row = 0; row < list.rowCount(listRoot); ++row) order += list.index(row, 0, listRoot).data().toString()[0];
    return order;
  };
  list.sort(1);
  EXPECT_EQ(names(), "BAC");
  list.sort(3);
  EXPECT_EQ(names(), "BAC");
  list.sort(3, Qt::DescendingOrder);
  EXPECT_EQ(names(), "CAB");
}

}  // namespace
}  // namespace pemo::ui
