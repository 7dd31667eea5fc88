#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "platform/ui/qt_message_port.h"

namespace pemo::ui {
namespace {

TEST(QtMessagePort, ShowsTheBoxWithCarriageReturnsAsLineBreaks) {
  QString shownText;
  QString shownTitle;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    shownText = box->text();
    shownTitle = box->windowTitle();
    box->accept();
  });
  QtMessagePort port;
  port.show("'A$ = \"x'\rﾘﾃﾗﾙ文字列\r\nend", kOkOnly | kExclamation, "ｽｸﾘﾌﾟﾄｴﾗｰ");
  EXPECT_EQ(shownText, QString::fromUtf8("'A$ = \"x'\nﾘﾃﾗﾙ文字列\nend"));
  EXPECT_EQ(shownTitle, QString::fromUtf8("ｽｸﾘﾌﾟﾄｴﾗｰ"));
}

}  // namespace
}  // namespace pemo::ui
