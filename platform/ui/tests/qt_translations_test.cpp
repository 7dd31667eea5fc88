#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPushButton>

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

}  // namespace
}  // namespace pemo::ui
