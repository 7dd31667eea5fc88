#include <gtest/gtest.h>

#include <QWidget>

#include "kovan/kovan.h"
#include "platform/ui/window_table.h"

namespace pemo::kovan {
namespace {

TEST(WindowPositionRegOnScreen, RestoresARegisteredWindow) {
  QWidget window;
  window.setGeometry(40, 50, 320, 240);
  window.show();
  const QRect saved = window.frameGeometry();
  int32_t handle = ui::registerWindow(&window);
  KOVAN& k = KovanObject();
  ASSERT_TRUE(k.SetWindowPositionReg(handle, "Software\\Test\\Main"));
  int32_t key = k.RegOpenKey(static_cast<int32_t>(0x80000003u), "Software\\Test\\Main");
  EXPECT_EQ(k.RegGetValue(key, "Width", 1), std::to_string(saved.width()));
  k.RegCloseKey(key);

  window.setGeometry(0, 0, 100, 100);
  ASSERT_TRUE(k.GetWindowPositionReg(handle, "Software\\Test\\Main", true, Variant(true)));
  EXPECT_EQ(window.frameGeometry(), saved);
}

}  // namespace
}  // namespace pemo::kovan
