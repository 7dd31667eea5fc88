#include <gtest/gtest.h>

#include <map>

#include "kovan/kovan.h"
#include "kovan/tests/edge_places.h"
#include "kovan/tests/fake_windows.h"
#include "kovan/tests/stored_window_place.h"
#include "platform/process/child_processes.h"
#include "platform/registry/registry.h"

namespace pemo::kovan {
namespace {

constexpr int32_t kUsers = static_cast<int32_t>(0x80000003u);

TEST(WindowPositionReg, SavesAndRestoresTheRectangle) {
  FakeWindows windows;
  KOVAN& k = KovanObject();
  windows.rects[5] = {10, 20, 310, 220};
  const std::string key = ".Default\\Software\\Kalvo\\PemoEdit\\Setting";
  EXPECT_TRUE(k.SetWindowPositionReg(5, key));
  int32_t opened = k.RegOpenKey(kUsers, key);
  EXPECT_EQ(k.RegGetValue(opened, "Left", 1), "10");
  EXPECT_EQ(k.RegGetValue(opened, "Height", 1), "200");

  windows.rects[5] = {0, 0, 50, 50};
  EXPECT_TRUE(k.GetWindowPositionReg(5, key, true));
  expectRect(windows.rects[5], 10, 20, 50, 50);  // size only when asked
  EXPECT_TRUE(k.GetWindowPositionReg(5, key, true, Variant(true)));
  expectRect(windows.rects[5], 10, 20, 300, 200);

  // Positions off the screen come back onto it.
  k.RegSetValue(opened, "Left", 1, "-50");
  k.RegSetValue(opened, "Top", 1, "2000");
  EXPECT_TRUE(k.GetWindowPositionReg(5, key, false));
  expectRect(windows.rects[5], -50, 2000, 300, 200);
  EXPECT_TRUE(k.GetWindowPositionReg(5, key, true));
  expectRect(windows.rects[5], 0, 0, 300, 200);
  // At the screen's right and bottom edges nothing of the window would show.
  k.RegSetValue(opened, "Left", 1, "1024");
  k.RegSetValue(opened, "Top", 1, "768");
  EXPECT_TRUE(k.GetWindowPositionReg(5, key, true));
  expectRect(windows.rects[5], 0, 0, 300, 200);
  // One pixel from them it shows too little to be used: it comes back just far enough to
  // show whole.
  k.RegSetValue(opened, "Left", 1, "1023");
  k.RegSetValue(opened, "Top", 1, "767");
  EXPECT_TRUE(k.GetWindowPositionReg(5, key, true));
  expectRect(windows.rects[5], 724, 568, 300, 200);
  k.RegSetValue(opened, "Left", 1, "12.5");
  k.RegSetValue(opened, "Top", 1, "13.5");
  EXPECT_TRUE(k.GetWindowPositionReg(5, key, true));
  expectRect(windows.rects[5], 12, 14, 300, 200);
  // A damaged size comes back at the screen's.
  k.RegSetValue(opened, "Width", 1, "40000");
  k.RegSetValue(opened, "Height", 1, "2147483647");
  EXPECT_TRUE(k.GetWindowPositionReg(5, key, true, Variant(true)));
  expectRect(windows.rects[5], 12, 14, 1024, 768);
  // One below the usable size, 100 by 50, keeps the window's own size.
  windows.rects[5] = {0, 0, 300, 200};
  const auto restoredSize = [&](const char* width, const char* height) {
    k.RegSetValue(opened, "Width", 1, width);
    k.RegSetValue(opened, "Height", 1, height);
    EXPECT_TRUE(k.GetWindowPositionReg(5, key, true, Variant(true)));
    const ui::WindowRect rect = windows.rects[5];
    EXPECT_EQ(rect.left, 12);
    EXPECT_EQ(rect.top, 14);
    return std::pair{rect.width(), rect.height()};
  };
  for (const char* below : {"0", "-5", "abc", "1", "99"})
    EXPECT_EQ(restoredSize(below, "100"), std::pair(300, 200)) << below;
  for (const char* below : {"0", "-5", "abc", "1", "49"})
    EXPECT_EQ(restoredSize("100", below), std::pair(300, 200)) << below;
  EXPECT_EQ(restoredSize("1", "1"), std::pair(300, 200));
  EXPECT_EQ(restoredSize("100", "50"), std::pair(100, 50));
  EXPECT_EQ(restoredSize("101", "51"), std::pair(101, 51));
  EXPECT_EQ(restoredSize("100", "99"), std::pair(100, 99));
  EXPECT_EQ(restoredSize("1024", "768"), std::pair(1024, 768));
  k.RegCloseKey(opened);

  // A key that does not exist leaves the window where it is.
  EXPECT_FALSE(k.GetWindowPositionReg(5, "Nowhere", true, Variant(true)));
  expectRect(windows.rects[5], 12, 14, 1024, 768);

  // A window that no longer exists: True, and nothing is written.
  EXPECT_TRUE(k.SetWindowPositionReg(99, "Gone"));
  EXPECT_EQ(k.RegOpenKey(kUsers, "Gone"), -1);
}

// Whatever shows less than its usable part comes back onto the screen, counting the size it
// is restored with; whatever shows that much stays.
TEST(WindowPositionReg, AWindowComesBackWhereItShowsTooLittleToBeUsed) {
  FakeWindows windows;
  KOVAN& k = KovanObject();
  const std::string key = "Edge";
  for (const testing::EdgePlace& place : testing::kEdgePlaces) {
    SCOPED_TRACE("stored at " + place.left + "," + place.top);
    testing::storePlace(key, {0, 0, place.width, place.height});
    int32_t opened = k.RegOpenKey(kUsers, key);
    k.RegSetValue(opened, "Left", 1, place.left);
    k.RegSetValue(opened, "Top", 1, place.top);
    k.RegCloseKey(opened);
    windows.rects[5] = {0, 0, place.width, place.height};
    EXPECT_TRUE(k.GetWindowPositionReg(5, key, true));
    expectRect(windows.rects[5], place.comesToLeft, place.comesToTop, place.width, place.height);
    if (place.width < 100) continue;  // a size no window is given
    // Another size until the stored one is restored: the check counts the stored one.
    windows.rects[5] = {0, 0, 500, 400};
    EXPECT_TRUE(k.GetWindowPositionReg(5, key, true, Variant(true)));
    expectRect(windows.rects[5], place.comesToLeft, place.comesToTop, place.width, place.height);
  }
}

TEST(WindowPositionReg, ReadsValuesInTheirStoredOrder) {
  FakeWindows windows;
  KOVAN& k = KovanObject();
  windows.rects[7] = {1, 1, 101, 101};
  int32_t disposition = 0;
  int32_t key = k.RegCreateKey("HKEY_USERS\\Order", "", 0, disposition);
  // "TOP" before "LEFT" is not found: the walk has passed it.
  k.RegSetValue(key, "height", 1, "40");
  k.RegSetValue(key, "TOP", 1, "30");
  k.RegSetValue(key, "left", 1, "20");
  EXPECT_TRUE(k.GetWindowPositionReg(7, "Order", false, Variant(1)));
  expectRect(windows.rects[7], 20, 0, 100, 100);  // no size found: the window keeps its own
  // Values that are no numbers count 0; one too large for a position fails.
  k.RegSetValue(key, "WIDTH", 1, "abc");
  EXPECT_TRUE(k.GetWindowPositionReg(7, "Order", false, Variant(1)));
  expectRect(windows.rects[7], 20, 0, 100, 100);
  k.RegSetValue(key, "left", 1, "1E20");
  EXPECT_FALSE(k.GetWindowPositionReg(7, "Order", false));
  k.RegCloseKey(key);
}

// Two programs storing their places under one key at once, as two editors closing
// together do: whatever is read between their stores is one of the two places, never
// a rectangle mixed from both.
TEST(WindowPositionReg, PlacesStoredAtOnceByTwoProgramsNeverMix) {
  const std::string key = ".Default\\Software\\Kalvo\\PemoEdit\\Setting";
  const long first = process::spawnProgram({PLACE_WRITER, key, "100", "300"});
  const long second = process::spawnProgram({PLACE_WRITER, key, "200", "300"});
  ASSERT_NE(first, 0);
  ASSERT_NE(second, 0);
  int reads = 0, mixed = 0;
  while (process::isRunningChild(first) || process::isRunningChild(second)) {
    registry::WriteBatch oneMoment;  // the four numbers as they are at one moment
    const testing::StoredPlace place = testing::storedPlace(key);
    if (place.left == 0) continue;  // nothing stored yet
    ++reads;
    if (!(place == testing::StoredPlace{place.left, place.left, place.left, place.left})) ++mixed;
  }
  EXPECT_EQ(process::childExitCode(first), 0);
  EXPECT_EQ(process::childExitCode(second), 0);
  EXPECT_GT(reads, 0);
  EXPECT_EQ(mixed, 0) << "of " << reads << " reads";
}

}  // namespace
}  // namespace pemo::kovan
