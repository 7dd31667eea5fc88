#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include "kovan/kovan.h"
#include "platform/ui/qt_window_port.h"
#include "platform/ui/window_table.h"

namespace pemo::kovan {
namespace {

// Our windows on a 1024 by 768 screen, whatever the offscreen screen measures.
class ScreenOf1024By768 : public ui::QtWindowPort {
 public:
  ScreenOf1024By768() { ui::setWindowPort(this); }
  ~ScreenOf1024By768() override { ui::setWindowPort(nullptr); }
  ui::ScreenSize screenSize() override { return {1024, 768}; }
};

void focus(QWidget& window, QWidget* control) {
  window.show();
  window.activateWindow();
  QApplication::setActiveWindow(&window);
  control->setFocus();
  QApplication::processEvents();
}

TEST(WindowMethodsOnScreen, CentresARegisteredWindow) {
  ScreenOf1024By768 screen;
  QWidget window;
  window.setWindowFlag(Qt::FramelessWindowHint);
  window.setGeometry(5, 5, 200, 100);
  window.show();
  const int32_t handle = ui::registerWindow(&window);
  KovanObject().MoveToCenter(handle);
  EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(412, 334));
  EXPECT_EQ(window.frameGeometry().size(), QSize(200, 100));

  KovanObject().MostTopZOrder(handle);
  EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(window.isVisible());
}

TEST(KeyMethodsOnScreen, KeysReachTheFocusedControl) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* edit = new QLineEdit;
  auto* combo = new QComboBox;
  combo->setEditable(true);
  combo->addItems({"one", "two"});
  auto* button = new QPushButton("OK");
  layout->addWidget(edit);
  layout->addWidget(combo);
  layout->addWidget(button);
  KOVAN& k = KovanObject();

  focus(window, edit);
  ASSERT_EQ(QApplication::focusWidget(), edit);
  k.KeyPush(65);
  k.KeyPush(66, 1);
  k.KeyPush(50, 1);  // Shift with 2 types '"' on the Japanese layout
  EXPECT_EQ(edit->text(), "aB\"");
  k.KeyPush(65, 0, 1);  // Ctrl+A selects, types nothing
  EXPECT_EQ(edit->selectedText(), "aB\"");
  k.KeyPush(8);
  EXPECT_EQ(edit->text(), "");
  EXPECT_EQ(k.GetActiveControlType(), 0);
  EXPECT_EQ(k.GetActiveControlType(ui::registerWindow(edit)), 0);

  focus(window, combo);
  EXPECT_EQ(k.GetActiveControlType(), 1);
  k.GotFcsCMB(1);
  EXPECT_TRUE(combo->view()->isVisible());
  combo->hidePopup();

  focus(window, button);
  EXPECT_EQ(k.GetActiveControlType(), 99);
  k.LostFcsCMB(0);
}

}  // namespace
}  // namespace pemo::kovan
