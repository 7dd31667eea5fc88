#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QRegularExpression>

#include "platform/ui/qt_version_dialog.h"

namespace pemo::ui {
namespace {

TEST(VersionDialog, NamesTheMakerWithTheYearAndShowsTheWholeCaption) {
  for (const char* caption : {"バージョン情報", "ﾊﾞｰｼﾞｮﾝ情報"}) {
    VersionDialog dialog(nullptr, QString::fromUtf8(caption), "Pemo", QPixmap(32, 32));
    auto* rights = dialog.findChild<QLabel*>("ZC1");
    ASSERT_NE(rights, nullptr);
    EXPECT_TRUE(rights->text().contains(QRegularExpression("Copyright \\(C\\) (19|20)\\d\\d Kalvo")))
        << rights->text().toStdString();
    EXPECT_EQ(dialog.findChild<QLabel*>("ZC0")->text(), "Pemo Version 1.0");
    dialog.show();
    // The title bar holds the caption and the window's buttons, in either font.
    int captionWidth = std::max(QFontMetrics(QApplication::font()).horizontalAdvance(dialog.windowTitle()),
                                 QFontMetrics(dialog.font()).horizontalAdvance(dialog.windowTitle()));
    EXPECT_GE(dialog.width(), captionWidth + 120) << caption;
  }
}

}  // namespace
}  // namespace pemo::ui
