#include <gtest/gtest.h>

#include "runtime/script/messages.h"
#include "runtime/script/objects/tests/fake_script_page.h"

namespace pemo::script {
namespace {

using testing::ObjectsFixture;
using testing::quotedError;
using Lines = std::vector<std::string>;

TEST(ScriptObjectReference, IndexMessages) {
  struct Case {
    std::string line;
    std::string error;
  };
  const std::vector<Case> cases = {
      {"LABEL.CAPTION = \"x\"", quotedError("LABEL", msg::kIndexRequired)},
      {"LABEL(1.CAPTION = \"x\"", quotedError("LABEL", msg::kIndexRequired)},
      {"LABEL(0).CAPTION = \"x\"", quotedError("LABEL", msg::kBadIndex)},
      {"LABEL(X).CAPTION = \"x\"", quotedError("LABEL", msg::kBadIndex)},
      {"LABEL().CAPTION = \"x\"", quotedError("LABEL", msg::kBadIndex)},
      // Beyond 16 bits there is no element.
      {"LABEL(65536).CAPTION = \"x\"", quotedError("LABEL", msg::kBadIndex)},
      {"LABEL(70000).CAPTION = \"x\"", quotedError("LABEL", msg::kBadIndex)},
      {"LABEL(1E10).CAPTION = \"x\"", quotedError("LABEL", msg::kBadIndex)},
      {"LABEL(99).CAPTION = \"x\"", quotedError("LABEL(99).CAPTION", msg::kIndexOutOfRange)},
      {"A$ = LABEL(99).CAPTION", quotedError("LABEL(99).CAPTION", msg::kIndexOutOfRange)},
      {"A$ = LABEL(0).CAPTION", quotedError("LABEL", msg::kBadIndex)},
  };
  for (const Case& c : cases) {
    ObjectsFixture f;
    f.page.add(ObjectKind::Label, 1).caption = "one";
    EXPECT_TRUE(f.run({c.line, "MSGBOX \"not reached\""}).empty()) << c.line;
    EXPECT_EQ(f.errors(), Lines{c.error}) << c.line;
    EXPECT_EQ(f.page.at(ObjectKind::Label, 1).caption, "one") << c.line;
  }
  // INDEX is the event object's index; letter case and blanks do not matter.
  ObjectsFixture f;
  f.page.add(ObjectKind::Label, 1);
  f.page.add(ObjectKind::Label, 2);
  f.page.add(ObjectKind::Label, 3);
  f.run({"Label(2).Caption = \"Hello\"", "LABEL(INDEX).FORECOLOR = !FF", "LABEL( 2 ).LEFT = 7"}, 3);
  EXPECT_TRUE(f.errors().empty());
  EXPECT_EQ(f.page.at(ObjectKind::Label, 2).caption, "Hello");
  EXPECT_EQ(f.page.at(ObjectKind::Label, 3).foreColor, 255u);
  EXPECT_EQ(f.page.at(ObjectKind::Label, 2).edges[0], 7);
  // The menu's own events run with INDEX 0, which names no element.
  f.run({"LABEL(INDEX).CAPTION = \"x\""}, 0);
  EXPECT_EQ(f.errors().back(), quotedError("LABEL(INDEX).CAPTION", msg::kIndexOutOfRange));
}

TEST(ScriptObjectReference, NamesRefusedOnAnObject) {
  const std::vector<std::string> refused = {
      "BUTTON(1).VALUE = 1",        "LABEL(1).COLOR = 1",        "IMAGE(1).CAPTION = \"x\"",
      "APP.PATH = \"x\"",          "COMBOBOX(1).CAPTION = \"x\"", "MENU.LEFT = 1",
      "STATUSBAR.PANEL4 = \"x\"",   "SELRADIO.VALUE = 1",        "PROGRESSWINDOW.LEFT = 1",
      "A$ = FRAME(1).CAPTION",      "A# = PROGRESSWINDOW.VALUE", "A# = IMAGE(1).WIDTH",
      "A$ = LABEL(1).CAPTION.X",    "A# = BUTTON(1).FORECOLOR",
  };
  for (const std::string& line : refused) {
    ObjectsFixture f;
    for (ObjectKind kind : {ObjectKind::Label, ObjectKind::Button, ObjectKind::Image, ObjectKind::Frame,
                            ObjectKind::ComboBox, ObjectKind::Radio})
      f.page.add(kind, 1);
    f.page.at(ObjectKind::Radio, 1).value = 1;
    EXPECT_TRUE(f.run({line, "MSGBOX \"not reached\""}).empty()) << line;
    const size_t at = line.find(" = ");
    const std::string reference = line[1] == '$' || line[1] == '#' ? line.substr(at + 3) : line.substr(0, at);
    EXPECT_EQ(f.errors(), Lines{quotedError(reference, msg::kPropertyNotUsable)}) << line;
    EXPECT_EQ(f.progressView.shown, 0) << line;
  }
  ObjectsFixture f;
  f.run({"WINDOW.CAPTION = \"x\""});
  EXPECT_EQ(f.errors(), Lines{quotedError("WINDOW.CAPTION", msg::kUndefinedObject)});
}

}  // namespace
}  // namespace pemo::script
