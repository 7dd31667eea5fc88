#include <gtest/gtest.h>

#include "editor/document/menu_reader.h"
#include "platform/testing/allocation_meter.h"

namespace pemo::editor {
namespace {

TEST(ReaderMemory, LinesCostNoMemoryOfTheirOwn) {
  // Four million empty lines, then a block that must still be found.
  const std::string bytes = menufile::encodeLines({"BEGIN MENU", "CAPTION=x", "END MENU"}) +
                            std::string(4 << 20, '\r') +
                            menufile::encodeLines({"BEGIN LABEL", "CAPTION=last", "END LABEL"});
  MenuDocument document;
  EditorState state;
  testing::AllocationMeter meter;
  EXPECT_EQ(readMenuBytes(document, state, bytes, "C:\\M.FIL"), LoadState::Read);
  EXPECT_LT(meter.peakBytes(), 1u << 20);
  EXPECT_EQ(document.objects(ObjectKind::Label).at(1).caption, "last");
}

}  // namespace
}  // namespace pemo::editor
