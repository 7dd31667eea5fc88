#include <gtest/gtest.h>

#include "menufile/lines.h"
#include "platform/testing/allocation_meter.h"
#include "runtime/page/menu_reader.h"
#include "runtime/page/tests/page_fakes.h"

using namespace pemo::page;
namespace mf = pemo::menufile;

TEST(MenuReaderMemory, LinesCostNoMemoryOfTheirOwn) {
  // Four million empty lines, then a block that must still be found.
  const std::string bytes = mf::encodeLines({"BEGIN MENU", "CAPTION=x", "END MENU"}) + std::string(4 << 20, '\r') +
                            mf::encodeLines({"BEGIN LABEL", "CAPTION=last", "END LABEL"});
  RuntimeState runtime;
  pemo::page::testing::FakeView view;
  PageObjects objects;
  PageState state;
  pemo::testing::AllocationMeter meter;
  MenuReader(objects, state, runtime, view).read(bytes);
  EXPECT_LT(meter.peakBytes(), 1u << 20);
  ASSERT_NE(objects.find(ObjectKind::Label, 1), nullptr);
  EXPECT_EQ(objects.find(ObjectKind::Label, 1)->caption, "last");
}
