#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "platform/ui/qt_keyboard_return.h"
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

namespace pemo::ui {
namespace {

TEST(QtMessagePort, GivesTheKeyboardBackToTheWindowItWasShownFrom) {
  QWidget window;
  auto* first = new QLineEdit(&window);
  auto* typedInto = new QLineEdit(&window);
  first->move(0, 40);
  window.show();
  window.activateWindow();
  typedInto->setFocus();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  ASSERT_EQ(QApplication::focusWidget(), typedInto);

  QTimer::singleShot(0, [] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    box->accept();
  });
  QtMessagePort().show("登録情報を正しく入力してください", kOkOnly | kExclamation, "Pemo");

  // Without a window manager nobody else hands the focus back, and the next keys are lost.
  EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }, 1000));
  ASSERT_EQ(QApplication::focusWidget(), typedInto);
  QTest::keyClicks(QApplication::focusWidget(), "clock");
  EXPECT_EQ(typedInto->text(), "clock");

  // A dialog of our own gives it back in the same way.
  QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
  {
    KeyboardReturn keyboard;
    QDialog dialog(&window);
    dialog.exec();
  }
  EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }, 1000));
  EXPECT_EQ(QApplication::focusWidget(), typedInto);
}

}  // namespace
}  // namespace pemo::ui
