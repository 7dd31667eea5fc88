#include <gtest/gtest.h>

#include "kovan/kovan.h"
#include "kovan/tests/edge_places.h"
#include "kovan/tests/fake_windows.h"

namespace pemo::kovan {
namespace {

using Key = FakeDesktop::Key;

TEST(WindowMethods, CentreAndTopmost) {
  FakeWindows windows;
  FakeDesktop desktop;
  KOVAN& k = KovanObject();
  windows.rects[7] = {10, 20, 210, 120};  // 200 by 100
  k.MoveToCenter(7);
  expectRect(windows.rects[7], 412, 334, 200, 100);
  windows.rects[8] = {0, 0, 201, 101};  // halves round to the even neighbour
  k.MoveToCenter(8);
  expectRect(windows.rects[8], 412, 334, 201, 101);
  k.MoveToCenter(99);  // no such window: nothing happens
  EXPECT_EQ(windows.rects.count(99), 0u);

  k.MostTopZOrder(7);
  EXPECT_EQ(desktop.topmost, std::vector<ui::WindowHandle>{7});
}

TEST(WindowMethods, RectangleInTheApplicationSettings) {
  FakeWindows windows;
  KOVAN& k = KovanObject();
  windows.rects[5] = {30, 40, 330, 240};
  ASSERT_TRUE(k.SetWindowPosition(5, "PemoTest", "Main"));
  EXPECT_EQ(k.GetRegData("PemoTest", "Main", "Width"), "300");
  EXPECT_EQ(k.GetRegData("PemoTest", "Main", "Top"), "40");

  windows.rects[5] = {0, 0, 10, 10};
  ASSERT_TRUE(k.GetWindowPosition(5, "PemoTest", "Main", false, Variant(true)));
  expectRect(windows.rects[5], 30, 40, 300, 200);
  windows.rects[5] = {0, 0, 10, 10};
  ASSERT_TRUE(k.GetWindowPosition(5, "PemoTest", "Main", false));  // position only
  expectRect(windows.rects[5], 30, 40, 10, 10);

  // Nothing stored: the window goes to 0, 0 and, with the size asked for, to 0 by 0.
  ASSERT_TRUE(k.GetWindowPosition(5, "PemoTest", "Other", false, Variant()));
  expectRect(windows.rects[5], 0, 0, 0, 0);

  // Beyond the screen: back from the far edge, then not below 0.
  ASSERT_TRUE(k.SetRegData("PemoTest", "Far", "Left", "1100"));
  ASSERT_TRUE(k.SetRegData("PemoTest", "Far", "Top", "2000"));
  ASSERT_TRUE(k.GetWindowPosition(5, "PemoTest", "Far", true));
  expectRect(windows.rects[5], 0, 0, 0, 0);
  ASSERT_TRUE(k.SetRegData("PemoTest", "Far", "Left", "-20.6"));
  ASSERT_TRUE(k.SetRegData("PemoTest", "Far", "Top", "700.5"));
  ASSERT_TRUE(k.GetWindowPosition(5, "PemoTest", "Far", true));
  expectRect(windows.rects[5], 0, 700, 0, 0);
  ASSERT_TRUE(k.GetWindowPosition(5, "PemoTest", "Far", false));
  expectRect(windows.rects[5], -21, 700, 0, 0);

  // A window that is not there is a failed step, for saving and restoring alike.
  EXPECT_FALSE(k.SetWindowPosition(99, "PemoTest", "Gone"));
  EXPECT_EQ(k.GetRegData("PemoTest", "Gone", "Left"), "");
  EXPECT_FALSE(k.GetWindowPosition(99, "PemoTest", "Main", true));
  ASSERT_TRUE(k.SetRegData("PemoTest", "Huge", "Left", "1e12"));
  EXPECT_FALSE(k.GetWindowPosition(5, "PemoTest", "Huge", false));
}

// The settings twin of the registry's screen check: the same places come back alike.
TEST(WindowMethods, AWindowComesBackWhereItShowsTooLittleToBeUsed) {
  FakeWindows windows;
  KOVAN& k = KovanObject();
  for (const testing::EdgePlace& place : testing::kEdgePlaces) {
    SCOPED_TRACE("stored at " + place.left + "," + place.top);
    ASSERT_TRUE(k.SetRegData("PemoTest", "Edge", "Left", place.left));
    ASSERT_TRUE(k.SetRegData("PemoTest", "Edge", "Top", place.top));
    ASSERT_TRUE(k.SetRegData("PemoTest", "Edge", "Width", std::to_string(place.width)));
    ASSERT_TRUE(k.SetRegData("PemoTest", "Edge", "Height", std::to_string(place.height)));
    windows.rects[5] = {0, 0, place.width, place.height};
    ASSERT_TRUE(k.GetWindowPosition(5, "PemoTest", "Edge", true));
    expectRect(windows.rects[5], place.comesToLeft, place.comesToTop, place.width, place.height);
    // Another size until the stored one is restored: the check counts the stored one.
    windows.rects[5] = {0, 0, 500, 400};
    ASSERT_TRUE(k.GetWindowPosition(5, "PemoTest", "Edge", true, Variant(true)));
    expectRect(windows.rects[5], place.comesToLeft, place.comesToTop, place.width, place.height);
  }
}

TEST(KeyMethods, KeyStrokesWithModifiers) {
  FakeDesktop desktop;
  KOVAN& k = KovanObject();
  k.KeyPush(65, 0, 1);
  EXPECT_EQ(desktop.keys, (std::vector<Key>{{17, 29, false}, {65, 30, false}, {65, 30, true}, {17, 29, true}}));

  desktop.keys.clear();
  k.KeyPush(13, 1, 1, 1);
  EXPECT_EQ(desktop.keys, (std::vector<Key>{{18, 40, false}, {17, 29, false}, {16, 42, false},
                                            {13, 28, false}, {13, 28, true},
                                            {16, 42, true}, {17, 29, true}, {18, 40, true}}));

  desktop.keys.clear();
  k.KeyPush(0x141);  // only the low byte is the key
  EXPECT_EQ(desktop.keys, (std::vector<Key>{{65, 0, false}, {65, 0, true}}));

  desktop.keys.clear();
  k.GotFcsCMB(0);
  EXPECT_TRUE(desktop.keys.empty());
  k.GotFcsCMB(2);
  EXPECT_EQ(desktop.keys, (std::vector<Key>{{18, 40, false}, {40, 80, false}, {40, 80, true}, {18, 40, true}}));
  k.DropCMB(1);
}

TEST(KeyMethods, KeyAndScanCodes) {
  KOVAN& k = KovanObject();
  EXPECT_EQ(k.GetKeyScanCode2(92), 86);
  EXPECT_EQ(k.GetKeyScanCode2(65), 30);
  EXPECT_EQ(k.GetKeyScanCode2(13), 28);
  EXPECT_EQ(k.GetKeyScanCode2(0), 0);
  EXPECT_EQ(k.GetKeyScanCode2(-1), 0);

  int16_t key = 0, shift = 0;
  EXPECT_EQ(k.GetKeyScanCode("a", key, shift), 30);
  EXPECT_EQ(key, 65);
  EXPECT_EQ(shift, 0);
  EXPECT_EQ(k.GetKeyScanCode("Abc", key, shift), 30);
  EXPECT_EQ(shift, 1);
  EXPECT_EQ(k.GetKeyScanCode("\"", key, shift), 3);  // Shift with 2 on the Japanese layout
  EXPECT_EQ(key, 50);
  EXPECT_EQ(shift, 1);
  EXPECT_EQ(k.GetKeyScanCode("@", key, shift), 1);  // its key code is no character
  EXPECT_EQ(key, 0xC0);
  EXPECT_EQ(shift, 0);
  // No key types "あ": key code 1 and no shift, from the binary digits of -1; the scan
  // code is then that of character 1, Ctrl with A.
  EXPECT_EQ(k.GetKeyScanCode("あ", key, shift), 30);
  EXPECT_EQ(key, 1);
  EXPECT_EQ(shift, 0);
  EXPECT_THROW(k.GetKeyScanCode("", key, shift), KovanError);
}

TEST(KeyMethods, ControlKinds) {
  FakeDesktop desktop;
  KOVAN& k = KovanObject();
  EXPECT_EQ(k.GetActiveControlType(), 99);  // nothing has the focus
  EXPECT_THROW(k.LostFcsCMB(0), KovanError);
  k.LostFcsCMB(-1);
  desktop.kinds[0] = 1;
  desktop.kinds[12] = 0;
  EXPECT_EQ(k.GetActiveControlType(), 1);
  EXPECT_EQ(k.GetActiveControlType(12), 0);
  k.LostFcsCMB(0);
}

}  // namespace
}  // namespace pemo::kovan
