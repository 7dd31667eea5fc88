#include <gtest/gtest.h>

#include "runtime/script/progress/progress_window.h"

namespace pemo::script {
namespace {

TEST(ProgressWindowPlacement, EveryAlignment) {
  const Size screen{1000, 700}, window{300, 80};
  struct Case {
    int align;
    std::optional<Point> at;
  };
  for (const Case& c : std::vector<Case>{{0, Point{700, 0}},
                                         {1, Point{700, 620}},
                                         {2, Point{0, 0}},
                                         {3, Point{0, 620}},
                                         {4, Point{350, 310}},
                                         {5, std::nullopt},
                                         {-1, std::nullopt}}) {
    auto at = alignedPosition(c.align, screen, window);
    ASSERT_EQ(at.has_value(), c.at.has_value()) << c.align;
    if (at) {
      EXPECT_EQ(std::pair(at->left, at->top), std::pair(c.at->left, c.at->top)) << c.align;
    }
  }
}

class RecordingView : public ProgressWindowView {
 public:
  void showOnTop() override { ++shown; }
  void hide() override { ++hidden; }
  void setCaption(const std::string&) override {}
  void setMessage(const std::string&) override {}
  void setBar(int v) override { bar = v; }
  void setWidth(int pixels) override { outer.width = pixels; }
  void setControlWidth(int pixels) override { controlWidth = pixels; }
  void move(Point p) override {
    at = p;
    ++moves;
  }
  Size screenSize() const override { return {800, 600}; }
  Size outerSize() const override { return outer; }
  int innerWidth() const override { return outer.width - 2; }
  int shown = 0, hidden = 0, bar = -5, controlWidth = 0, moves = 0;
  Point at;
  Size outer{300, 80};
};

TEST(ProgressWindowRules, ValueLoadsAndCloses) {
  RecordingView view;
  ProgressWindow window(view);
  window.setValue(101);  // closed: nothing happens
  window.setValue(-1);
  EXPECT_EQ(view.shown + view.hidden, 0);
  EXPECT_FALSE(window.loaded());

  window.setValue(0);
  EXPECT_TRUE(window.loaded());
  EXPECT_EQ(view.bar, 0);
  EXPECT_EQ(view.controlWidth, 300 - 2 - 16);  // 8 pixels each side
  EXPECT_EQ(view.at.left, 500);                 // top right
  window.setValue(100);
  EXPECT_EQ(view.bar, 100);
  EXPECT_EQ(view.shown, 1);
  window.setValue(101);
  EXPECT_FALSE(window.loaded());
  EXPECT_EQ(view.hidden, 1);
  window.setValue(50);  // loads again
  EXPECT_EQ(view.shown, 2);
  window.closed();      // the user closed it
  EXPECT_FALSE(window.loaded());
  window.setValue(-1);
  EXPECT_EQ(view.hidden, 1);
}

TEST(ProgressWindowRules, AlignIsRememberedForResizes) {
  RecordingView view;
  ProgressWindow window(view);
  window.load();
  window.setAlign(3);
  EXPECT_EQ(std::pair(view.at.left, view.at.top), std::pair(0, 520));
  window.setWidth(500);
  window.setAlign(4);  // centred with its new width
  EXPECT_EQ(std::pair(view.at.left, view.at.top), std::pair(150, 260));
  EXPECT_EQ(view.controlWidth, 500 - 2 - 16);

  const int moves = view.moves;
  window.setAlign(7);  // does not move, and is remembered
  EXPECT_EQ(view.moves, moves);
  EXPECT_EQ(window.lastAlign(), 7);
  window.setWidth(200);
  EXPECT_EQ(view.moves, moves);
  EXPECT_EQ(view.controlWidth, 200 - 2 - 16);
  window.setWidth(0);  // a window is at least one pixel wide; the controls never negative
  EXPECT_EQ(view.outer.width, 1);
  EXPECT_EQ(view.controlWidth, 0);
}

}  // namespace
}  // namespace pemo::script
