#include <gtest/gtest.h>

#include "runtime/script/messages.h"
#include "runtime/script/objects/tests/fake_script_page.h"

namespace pemo::script {
namespace {

using testing::ObjectsFixture;
using testing::quotedError;
using Lines = std::vector<std::string>;

TEST(ScriptMethods, AddItem) {
  ObjectsFixture f;
  f.page.add(ObjectKind::ComboBox, 1).items = {"b"};
  f.run({"COMBOBOX(1).ADDITEM \"A\", 0", "ComboBox(1).AddItem \"Last\"", "N# = 2",
         "COMBOBOX(1).ADDITEM \"x, y\" & \"!\", N#", "MSGBOX \"done\""});
  EXPECT_TRUE(f.errors().empty());
  // Arguments keep their letter case; a comma inside quotes belongs to the item.
  EXPECT_EQ(f.page.at(ObjectKind::ComboBox, 1).items, (Lines{"A", "b", "x, y!", "Last"}));

  for (const std::string line : {"COMBOBOX(1).ADDITEM \"z\", 9", "COMBOBOX(1).ADDITEM \"z\", -1",
                                 "COMBOBOX(1).ADDITEM \"z\", \"first\"", "COMBOBOX(2).ADDITEM \"z\""}) {
    ObjectsFixture g;
    g.page.add(ObjectKind::ComboBox, 1).items = {"b"};
    EXPECT_TRUE(g.run({line, "MSGBOX \"not reached\""}).empty()) << line;
    EXPECT_EQ(g.errors(), Lines{msg::kBadItemIndex}) << line;
    EXPECT_EQ(g.page.at(ObjectKind::ComboBox, 1).items, Lines{"b"}) << line;
  }
  // An item that cannot be evaluated has shown its own message; nothing is added.
  ObjectsFixture g;
  g.page.add(ObjectKind::ComboBox, 1);
  g.run({"COMBOBOX(1).ADDITEM \"open"});
  EXPECT_EQ(g.errors(), Lines{msg::kLiteralNeedsQuotes});
  EXPECT_TRUE(g.page.at(ObjectKind::ComboBox, 1).items.empty());
}

TEST(ScriptMethods, UndefinedMethodsAndObjects) {
  ObjectsFixture f;
  f.page.add(ObjectKind::Label, 1);
  f.page.add(ObjectKind::ComboBox, 1);
  for (const std::string line : {"LABEL(1).MOVE", "MENU.ADDITEM \"x\"", "COMBOBOX(1).REQUERYAREAYEAR"}) {
    EXPECT_TRUE(f.run({line, "MSGBOX \"not reached\""}).empty());
    EXPECT_EQ(f.errors().back(), quotedError(line, msg::kUndefinedMethod));
  }
  f.run({"Window.Close"});
  EXPECT_EQ(f.errors().back(), quotedError("Window.Close", msg::kUndefinedObject));
  f.run({"COMBOBOX.ADDITEM \"x\""});
  EXPECT_EQ(f.errors().back(), quotedError("COMBOBOX", msg::kIndexRequired));
}

TEST(ScriptMethods, RequeryAreaYear) {
  ObjectsFixture f;
  f.page.panels = {"", "一", "二", "三"};
  // Nothing names an area or a year to read: the method succeeds and changes nothing.
  EXPECT_EQ(f.run({"Menu.RequeryAreaYear", "MSGBOX \"done\""}), Lines{"done"});
  EXPECT_EQ(f.page.panels, (std::array<std::string, 4>{"", "一", "二", "三"}));
  EXPECT_TRUE(f.errors().empty());
}

}  // namespace
}  // namespace pemo::script
