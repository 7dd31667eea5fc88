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

  // A failed start of a command line of ten megabytes: its start, then the message.
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    box->grab();
    shownText = box->text();
    box->accept();
  });
  port.show(std::string(10 << 20, 'x') + "\r起動に失敗しました", kOkOnly | kExclamation, "Pemo");
  EXPECT_EQ(shownText, QString(1024, 'x') + QChar(0x2026) + QString::fromUtf8("\n起動に失敗しました"));
}

}  // namespace
}  // namespace pemo::ui
