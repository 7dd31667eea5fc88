#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>
#include <filesystem>

#include "platform/testing/temp_dir.h"
#include "platform/ui/qt_file_filter.h"
#include "platform/ui/qt_file_list.h"
#include "platform/ui/qt_translations.h"

namespace pemo::ui {
namespace {

// A file of that many bytes, changed at that time.
void writeFile(const pemo::testing::TempDir& folder, const std::string& name, int bytes, QDateTime changed) {
  pemo::testing::writeFileBytes(folder / name, std::string(bytes, 'x'));
  QFile file(QString::fromStdString((folder / name).string()));
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(file.setFileTime(changed, QFileDevice::FileModificationTime));
}

// The texts of the list's row for the entry `name` of `folder`, once listed: name, size,
// type and date.
QStringList listedRow(QFileDialog& dialog, const pemo::testing::TempDir& folder, const std::string& name) {
  auto* files = dialog.findChild<QFileSystemModel*>();
  QModelIndex entry;
  if (!QTest::qWaitFor([&] {
        entry = dialog.proxyModel()->mapFromSource(files->index(QString::fromStdString((folder / name).string())));
        return entry.isValid();
      }))
    return {};
  QStringList texts;
  for (int column = 0; column < 4; ++column) texts << entry.siblingAtColumn(column).data().toString();
  return texts;
}

// The entries of `folder` in the dialog's list model, once `count` of them are loaded.
struct ListedFolder {
  ListedFolder(const pemo::testing::TempDir& folder, int count) {
    QSignalSpy directoryLoaded(&files, &QFileSystemModel::directoryLoaded);
    root = files.setRootPath(QString::fromStdString(folder.path().string()));
    loaded = directoryLoaded.wait() && QTest::qWaitFor([&] { return files.rowCount(root) == count; });
    list.setSourceModel(&files);
  }
  // The first letters of the listed names, in the list's order.
  QString firstLetters() const {
    QString order;
    const QModelIndex listRoot = list.mapFromSource(root);
    for (int row = 0; row < list.rowCount(listRoot); ++row) order += list.index(row, 0, listRoot).data().toString()[0];
    return order;
  }
  QFileSystemModel files;
  FileListModel list;
  QModelIndex root;
  bool loaded = false;
};

TEST(QtFileList, FoldersAndDatesReadInJapaneseUnderAnyLocaleAndWhole) {
  pemo::testing::TempDir folder;
  std::filesystem::create_directory(folder / "SUB");
  writeFile(folder, "START.FIL", 1, QDateTime(QDate(2026, 12, 9), QTime(10, 37, 9)));
  const bool texts = installQtJapaneseTexts(*qApp);
  QFileDialog dialog(nullptr, "open", QString::fromStdString(folder.path().string()));
  applyFileFilter(dialog, "all", "*.*");
  dialog.setViewMode(QFileDialog::Detail);
  dialog.show();
  const QStringList listed = listedRow(dialog, folder, "START.FIL");
  EXPECT_EQ(listed.value(3), "2026/12/09 10:37");
  auto* list = dialog.findChild<QTreeView*>();
  EXPECT_TRUE(QTest::qWaitFor([list, listed] {
    for (int column = 1; column < 4; ++column)
      if (list->header()->sectionSize(column) < list->fontMetrics().horizontalAdvance(listed.value(column))) return false;
    return true;
  }));
  EXPECT_EQ(listed.value(1), "1 バイト");
  if (!texts) GTEST_SKIP() << "Qt's Japanese translation is not installed: the folder's type stays in English";
  EXPECT_EQ(listedRow(dialog, folder, "SUB").value(2), QString::fromUtf8("フォルダ"));
}

TEST(QtFileList, AFolderTypedIntoTheNameBoxIsListedWhole) {
  pemo::testing::TempDir folder;
  std::filesystem::create_directory(folder / "SUB");
  const std::string longName = std::string(90, 'W') + ".FIL";
  writeFile(folder, "SUB/" + longName, 1, QDateTime(QDate(2026, 12, 9), QTime(10, 37, 9)));
  QFileDialog dialog(nullptr, "open", QString::fromStdString(folder.path().string()));
  applyFileFilter(dialog, "all", "*.*");
  dialog.setViewMode(QFileDialog::Detail);
  dialog.show();
  ASSERT_FALSE(listedRow(dialog, folder, "SUB").isEmpty());
  // The name box's completion reads a folder while it is typed, before Enter turns the
  // list to it.
  auto* files = dialog.findChild<QFileSystemModel*>();
  const QString sub = QString::fromStdString((folder / "SUB").string());
  QSignalSpy loaded(files, &QFileSystemModel::directoryLoaded);
  files->fetchMore(files->index(sub));
  ASSERT_TRUE(QTest::qWaitFor([&] {
    for (const auto& arguments : loaded)
      if (arguments.at(0).toString() == sub) return true;
    return false;
  }));
  QApplication::processEvents();
  auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
  ASSERT_NE(name, nullptr);
  name->setText(sub);
  QTest::keyClick(name, Qt::Key_Return);
  ASSERT_EQ(dialog.directory().absolutePath().toStdString(), (folder / "SUB").string());
  auto* list = dialog.findChild<QTreeView*>();
  EXPECT_TRUE(QTest::qWaitFor([&] {
    return list->header()->sectionSize(0) > list->fontMetrics().horizontalAdvance(QString::fromStdString(longName));
  })) << "the long name is cut";
}

TEST(QtFileList, SizesAndDatesSortByTheirValues) {
  pemo::testing::TempDir folder;
  writeFile(folder, "A.FIL", 1500, QDateTime(QDate(2026, 2, 1), QTime(10, 0)));
  writeFile(folder, "B.FIL", 120, QDateTime(QDate(2025, 11, 10), QTime(10, 0)));
  writeFile(folder, "C.FIL", 9000, QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
  ListedFolder listed(folder, 3);
  ASSERT_TRUE(listed.loaded);
  listed.list.sort(1);
  EXPECT_EQ(listed.firstLetters(), "BAC");
  listed.list.sort(3);
  EXPECT_EQ(listed.firstLetters(), "BAC");
  listed.list.sort(3, Qt::DescendingOrder);
  EXPECT_EQ(listed.firstLetters(), "CAB");
}

TEST(QtFileList, SizesReadInBytesKilobytesMegabytesAndGigabytesUnderEveryLocale) {
  constexpr std::uintmax_t kOverFourGigabytes = (std::uintmax_t{4} << 30) + 1;
  const std::pair<const char*, std::uintmax_t> sizes[] = {
      {"EMPTY.FIL", 0}, {"ONE.FIL", 1}, {"KB.FIL", 1025}, {"MB.FIL", 3'000'000}, {"GB.FIL", kOverFourGigabytes}};
  pemo::testing::TempDir folder;
  // Sparse: the sizes cost no disk.
  for (const auto& [name, bytes] : sizes) {
    pemo::testing::writeFileBytes(folder / name, "");
    std::filesystem::resize_file(folder / name, bytes);
  }
  ListedFolder listed(folder, 5);
  ASSERT_TRUE(listed.loaded);
  auto shownSizes = [&] {
    QStringList texts;
    for (const auto& [name, bytes] : sizes) {
      const QModelIndex entry =
          listed.list.mapFromSource(listed.files.index(QString::fromStdString((folder / name).string())));
      texts << entry.siblingAtColumn(1).data().toString();
    }
    return texts.join(" | ").toStdString();
  };
  const std::string expected = "0 バイト | 1 バイト | 1.00 KB | 2.86 MB | 4.00 GB";
  const QLocale before;
  const QLocale locales[] = {QLocale::c(), QLocale(QLocale::German, QLocale::Germany),
                            QLocale(QLocale::Japanese, QLocale::Japan)};
  for (const QLocale& locale : locales) {
    QLocale::setDefault(locale);
    EXPECT_EQ(shownSizes(), expected) << locale.name().toStdString();
  }
  QLocale::setDefault(before);
}

TEST(QtFileList, NamesSortFoldersFirstAndWithoutRegardToCase) {
  pemo::testing::TempDir folder;
  std::filesystem::create_directory(folder / "zeta");
  std::filesystem::create_directory(folder / "Mid");
  for (const char* name : {"b.fil", "A.FIL", "C.FIL"}) writeFile(folder, name, 10, QDateTime(QDate(2026, 1, 1), QTime(0, 0)));
  ListedFolder listed(folder, 5);
  ASSERT_TRUE(listed.loaded);
  listed.list.sort(0);
  EXPECT_EQ(listed.firstLetters(), "MzAbC");
}

}  // namespace
}  // namespace pemo::ui
