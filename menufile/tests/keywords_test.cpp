#include "menufile/keywords.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pemo::menufile {
namespace {

TEST(MenuFileKeywords, BlockWordsAndKindsMatchBothWays) {
  for (ObjectKind kind : kWrittenKinds) EXPECT_EQ(kindOfBlockWord(blockWord(kind)), kind);
  EXPECT_EQ(kindOfBlockWord("LINE"), ObjectKind::Line);
  EXPECT_EQ(kindOfBlockWord("MENU"), ObjectKind::Menu);
  EXPECT_FALSE(kindOfBlockWord("SCRIPT"));
  EXPECT_FALSE(kindOfBlockWord("label"));
  EXPECT_FALSE(kindOfBlockWord(" LABEL"));
  EXPECT_EQ(keyOfName("ONCURSORCOLOR"), Key::OnCursorColor);
  EXPECT_EQ(keyOfName("CAPTION "), Key::Unknown);
}

TEST(MenuFileKeywords, KeyOrdersKeepTheOddOnesOut) {
  auto has = [](ObjectKind kind, Key key) {
    auto keys = objectKeyOrder(kind);
    return std::find(keys.begin(), keys.end(), key) != keys.end();
  };
  EXPECT_EQ(objectKeyOrder(ObjectKind::Image)[0], Key::Caption);
  EXPECT_EQ(objectKeyOrder(ObjectKind::Image)[1], Key::Index);
  EXPECT_FALSE(has(ObjectKind::Frame, Key::Parent));
  EXPECT_FALSE(has(ObjectKind::ComboBox, Key::Caption));
  EXPECT_FALSE(has(ObjectKind::ComboBox, Key::Height));
  EXPECT_FALSE(has(ObjectKind::Button, Key::ForeColor));
  EXPECT_TRUE(has(ObjectKind::Label, Key::OnCursorColor));
  EXPECT_FALSE(has(ObjectKind::Radio, Key::OnCursorColor));
  EXPECT_TRUE(has(ObjectKind::PictureButton, Key::Picture));
  EXPECT_EQ(objectKeyOrder(ObjectKind::Label).size(), 16u);
  EXPECT_EQ(menuKeyOrder().size(), 4u);
}

}  // namespace
}  // namespace pemo::menufile
