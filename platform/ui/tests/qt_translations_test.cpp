#include <gtest/gtest.h>

#include <QAbstractProxyModel>
#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <filesystem>

#include "platform/testing/temp_dir.h"
#include "platform/ui/qt_file_filter.h"
#include "platform/ui/qt_translations.h"

namespace pemo::ui {
namespace {

// The Cancel button of the dialog's button box, as the user reads it.
QString cancelText(QDialog& dialog) {
  auto* buttons = dialog.findChild<QDialogButtonBox*>();
  if (!buttons || !buttons->button(QDialogButtonBox::Cancel)) return {};
  return buttons->button(QDialogButtonBox::Cancel)->text().remove('&');
}

TEST(QtTranslations, StandardDialogsSpeakJapaneseOnceInstalled) {
  if (!QFileInfo::exists(qtJapaneseTranslationFile()))
    GTEST_SKIP() << "Qt's Japanese translation is not installed (" << qtJapaneseTranslationFile().toStdString()
                 << "); install the package qt6-translations-l10n";
  QColorDialog before;
  EXPECT_EQ(cancelText(before), "Cancel");
  const QString englishTitle = before.windowTitle();

  ASSERT_TRUE(installQtJapaneseTexts(*qApp));
  QColorDialog colours;
  EXPECT_EQ(cancelText(colours), QString::fromUtf8("キャンセル"));
  EXPECT_NE(colours.windowTitle(), englishTitle);
  QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text().remove('&'), QString::fromUtf8("キャンセル"));
}

// The texts of the file dialog's list for the entry `name` of `folder`, once listed:
// name, size, type and date.
QStringList listedRow(QFileDialog& dialog, const QString& folder, const QString& name) {
  auto* files = dialog.findChild<QFileSystemModel*>();
  QAbstractProxyModel* list = dialog.proxyModel();
  QModelIndex entry;
  const bool listed = QTest::qWaitFor([&] {
    entry = list->mapFromSource(files->index(QDir(folder).filePath(name)));
    return entry.isValid();
  });
  if (!listed) return {};
  QStringList texts;
  for (int column = 0; column < 4; ++column) texts << entry.siblingAtColumn(column).data().toString();
  return texts;
}

TEST(QtTranslations, FileDialogListsTypesAndDatesInJapaneseUnderAnyLocale) {
  pemo::testing::TempDir folder;
  std::filesystem::create_directory(folder / "SUB");
  pemo::testing::writeFileBytes(folder / "START.FIL", "x");
  const QString host = QString::fromStdString(folder.path().string());
  QFile file(QDir(host).filePath("START.FIL"));
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2026, 12, 9), QTime(10, 37, 9)), QFileDevice::FileModificationTime));
  file.close();

  const bool texts = installQtJapaneseTexts(*qApp);
  QFileDialog dialog(nullptr, "open", host);
  applyFileFilter(dialog, "all", "*.*");
  dialog.setViewMode(QFileDialog::Detail);
  dialog.show();
  const QStringList listed = listedRow(dialog, host, "START.FIL");
  EXPECT_EQ(listed.value(3), "2026/12/09 10:37");
  // Size, type and date show whole.
  auto* list = dialog.findChild<QTreeView*>();
  EXPECT_TRUE(QTest::qWaitFor([list, listed] {
    for (int column = 1; column < 4; ++column)
      if (list->header()->sectionSize(column) < list->fontMetrics().horizontalAdvance(listed.value(column))) return false;
    return true;
  }));
  if (!texts) GTEST_SKIP() << "Qt's Japanese translation is not installed: the folder's type stays in English";
  EXPECT_EQ(listedRow(dialog, host, "SUB").value(2), QString::fromUtf8("フォルダ"));
}

}  // namespace
}  // namespace pemo::ui
