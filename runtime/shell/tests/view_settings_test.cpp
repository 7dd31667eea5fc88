#include <gtest/gtest.h>

#include "platform/registry/registry.h"
#include "runtime/shell/view_settings.h"

using namespace pemo::shell;
namespace reg = pemo::registry;

namespace {

const char* kSW = ".Default\\Software\\Kalvo\\Pemo\\SW";

void store(const char* name, const std::string& data) {
  reg::Key key = 0;
  ASSERT_EQ(reg::createKey(reg::kUsers, kSW, "", key), reg::kSuccess);
  reg::setValue(key, name, reg::kString, data);
  reg::closeKey(key);
}

std::vector<std::pair<std::string, std::string>> storedValues() {
  std::vector<std::pair<std::string, std::string>> values;
  reg::Key key = 0;
  if (reg::openKey(reg::kUsers, kSW, key) != reg::kSuccess) return values;
  std::string name;
  reg::Value value;
  for (uint32_t i = 0; reg::enumValue(key, i, name, value) == reg::kSuccess; ++i) values.emplace_back(name, value.data);
  reg::closeKey(key);
  return values;
}

}  // namespace

TEST(ViewSettings, AFreshMachineGetsTheKeyAndEveryValueOnClose) {
  ViewSettings loaded = loadViewSettings();
  reg::Key key = 0;
  EXPECT_EQ(reg::openKey(reg::kUsers, kSW, key), reg::kSuccess) << "the key is created on load";
  reg::closeKey(key);
  EXPECT_FALSE(loaded.treeView);
  EXPECT_FALSE(loaded.showLaunch);
  EXPECT_EQ(loaded.segmentPosition, 200);
  EXPECT_EQ(loaded.windowState, WindowShowState::Normal);
  EXPECT_FALSE(loaded.treeFont);

  ViewSettings closing;
  closing.treeView = true;
  closing.segmentPosition = 260;
  closing.showLaunch = true;
  closing.treeFont = TreeFont{"ＭＳ ゴシック", 10.5, true, false, true, false};
  int rectStores = 0;
  saveViewSettings(closing, [&] { ++rectStores; });
  EXPECT_EQ(rectStores, 1);
  using V = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(storedValues(), (V{{"TreeView", "True"},
                               {"SegmentPosition", "260"},
                               {"ShowLaunch", "1"},
                               {"WindowState", "0"},
                               {"FontName", "ＭＳ ゴシック"},
                               {"FontSize", "10.5"},
                               {"FontBold", "True"},
                               {"FontItalic", "False"},
                               {"FontStrikethrough", "True"},
                               {"FontUnderline", "False"}}));

  ViewSettings again = loadViewSettings();
  EXPECT_TRUE(again.treeView);
  EXPECT_TRUE(again.showLaunch);
  EXPECT_EQ(again.segmentPosition, 260);
  ASSERT_TRUE(again.treeFont);
  EXPECT_EQ(again.treeFont->name, "ＭＳ ゴシック");
  EXPECT_EQ(again.treeFont->size, 10.5);
  EXPECT_EQ(again.treeFont->strikethrough, true);
}

TEST(ViewSettings, StoredTextsAsTheyAreRead) {
  for (auto [text, shown] : std::vector<std::pair<std::string, bool>>{
           {"True", true}, {"TRUE", true}, {"yes", true}, {"FALSE", false}, {"false", false}, {"", false}}) {
    store("TreeView", text);
    EXPECT_EQ(loadViewSettings().treeView, shown) << text;
  }
  for (auto [text, left] : std::vector<std::pair<std::string, int>>{{"0", 200}, {"abc", 200}, {"350", 350}, {"-5", 100}}) {
    store("SegmentPosition", text);
    EXPECT_EQ(loadViewSettings().segmentPosition, left) << text;
  }
  store("WindowState", "1");
  EXPECT_EQ(loadViewSettings().windowState, WindowShowState::Maximized);
  store("WindowState", "2");
  EXPECT_EQ(loadViewSettings().windowState, WindowShowState::Normal);

  // A stored name with values missing or unreadable beside it: those stay the tree's own.
  store("FontName", "X");
  store("FontSize", "big");
  store("FontBold", "maybe");
  auto font = loadViewSettings().treeFont;
  ASSERT_TRUE(font);
  EXPECT_EQ(font->name, "X");
  EXPECT_FALSE(font->size);
  EXPECT_FALSE(font->bold);
  EXPECT_FALSE(font->italic);
}

TEST(ViewSettings, AMaximizedOrMinimizedCloseKeepsTheLastNormalRectangle) {
  loadViewSettings();
  int rectStores = 0;
  ViewSettings s;
  s.windowState = WindowShowState::Maximized;
  saveViewSettings(s, [&] { ++rectStores; });
  EXPECT_EQ(storedValues()[3], (std::pair<std::string, std::string>{"WindowState", "1"}));
  s.windowState = WindowShowState::Minimized;
  saveViewSettings(s, [&] { ++rectStores; });
  EXPECT_EQ(storedValues()[3], (std::pair<std::string, std::string>{"WindowState", "0"}));
  EXPECT_EQ(rectStores, 0);
}
