#include <gtest/gtest.h>

#include <QWidget>

#include "platform/ui/paint_stack.h"

namespace pemo::ui {
namespace {

// Forty thousand overlapping transparent objects, as a hostile page holds them: painting
// them once runs deeper than 8 MB of stack.
TEST(PaintStackTest, APageOfFortyThousandOverlappingObjectsPaints) {
  raiseStackLimitForPainting();
  QWidget page;
  page.resize(60, 60);
  for (int i = 0; i < 40000; ++i) (new QWidget(&page))->setGeometry(i % 20, i % 20, 40, 20);
  EXPECT_FALSE(page.grab().isNull());
}

}  // namespace
}  // namespace pemo::ui
