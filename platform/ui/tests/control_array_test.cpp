#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>

#include "platform/ui/colours.h"
#include "platform/ui/control_array.h"
#include "platform/ui/fonts.h"

using namespace pemo::ui;

TEST(ControlArray, LoadsByIndexAndLeavesHoles) {
  QWidget parent;
  ControlArray<QLabel> zc(&parent, [](QWidget* p) { return new QLabel(p); });
  EXPECT_EQ(zc.upperBound(), 0);
  EXPECT_TRUE(zc.templ()->isHidden());
  EXPECT_FALSE(zc.isLoaded(0)) << "the template is never an element";
  QLabel* third = zc.load(3);
  EXPECT_EQ(zc.upperBound(), 3);
  EXPECT_EQ(zc.load(3), third);
  EXPECT_EQ(zc.at(2), nullptr);
  EXPECT_EQ(zc.indexOf(third), 3);
  QWidget frame(&parent);
  QLabel* inFrame = zc.load(1, &frame);
  EXPECT_EQ(inFrame->parentWidget(), &frame);
  zc.unload(3);
  EXPECT_EQ(zc.upperBound(), 1);
  zc.unloadAll();
  EXPECT_EQ(zc.upperBound(), 0);
  EXPECT_EQ(frame.findChildren<QLabel*>().size(), 0);
}

TEST(Colours, BgrAndSystemColours) {
  EXPECT_EQ(colourFromBgr(0xFF), QColor(255, 0, 0));
  EXPECT_EQ(colourFromBgr(0xFF0000), QColor(0, 0, 255));
  EXPECT_EQ(bgrFromColour(QColor(0x12, 0x34, 0x56)), 0x563412u);
  EXPECT_EQ(colourFromBgr(0x8000000F), QApplication::palette().color(QPalette::Button));
  EXPECT_EQ(colourFromBgr(0x80000012), QApplication::palette().color(QPalette::ButtonText));
}

TEST(Fonts, JapaneseSystemFontsMapToInstalledOnes) {
  EXPECT_TRUE(displayFamily("ＭＳ Ｐゴシック").startsWith("IPA"));
  EXPECT_TRUE(displayFamily("ＭＳ 明朝").contains("Mincho"));
  EXPECT_EQ(displayFamily("DejaVu Sans"), "DejaVu Sans");
  Font f;
  f.size = 10.5;
  f.bold = true;
  QFont q = displayFont(f);
  EXPECT_DOUBLE_EQ(q.pointSizeF(), 10.5);
  EXPECT_TRUE(q.bold());
}
