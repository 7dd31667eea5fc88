#include <gtest/gtest.h>

#include "platform/text/cp932.h"
#include "runtime/script/event_sub_name.h"
#include "runtime/script/loaded_script.h"
#include "runtime/script/script_file.h"
#include "runtime/script/tests/script_fakes.h"

namespace pemo::script {
namespace {

using menufile::ObjectKind;
using menufile::ScriptEvent;

TEST(ScriptFile, ReadsLinesByBytePosition) {
  // "\tIF\tA# > 1  " with tabs, then a line of two double-byte characters, then a last
  // line without a line end.
  ScriptFile file(std::string("\tIF\tA# > 1  \r\n") + text::utf8ToCp932("あい") + "\r\nEND");
  EXPECT_EQ(file.position(), 1);
  EXPECT_EQ(file.readLine(), "IF A# > 1");
  EXPECT_EQ(file.position(), 15);  // past the carriage return and the line feed
  EXPECT_EQ(file.readLine(), "あい");
  EXPECT_EQ(file.position(), 15 + 4 + 2);  // each double-byte character moves by 2
  EXPECT_FALSE(file.atEnd());
  EXPECT_EQ(file.readLine(), "END");
  EXPECT_TRUE(file.atEnd());
  EXPECT_EQ(file.readLine(), "");

  file.setPosition(0);  // 0 counts as 1
  EXPECT_EQ(file.position(), 1);
  EXPECT_EQ(file.readLine(), "IF A# > 1");
}

TEST(ScriptFile, OddLineEndsAndTruncatedCharacters) {
  // A lead byte as the very last byte: the line ends at the file's end, nothing beyond.
  ScriptFile lead(std::string("AB\x82", 3));
  EXPECT_EQ(lead.readLine(), "AB・");
  EXPECT_TRUE(lead.atEnd());
  EXPECT_EQ(lead.position(), 4);

  // A trail byte that reads as a backslash stays part of its character.
  ScriptFile trail(text::utf8ToCp932("ソ表") + "\r\nX");
  EXPECT_EQ(trail.readLine(), "ソ表");
  EXPECT_EQ(trail.readLine(), "X");

  // A lone line feed and a carriage return without a line feed end lines too; nothing
  // of the next line is lost.
  ScriptFile unix("ONE\nTWO\rTHREE");
  EXPECT_EQ(unix.readLine(), "ONE");
  EXPECT_EQ(unix.readLine(), "TWO");
  EXPECT_EQ(unix.readLine(), "THREE");

  ScriptFile unopened;
  EXPECT_FALSE(unopened.isOpen());
  EXPECT_TRUE(unopened.atEnd());
}

TEST(LoadedScript, IndexesSubLinesFromTheStartPosition) {
  testing::FakeFileSystem files;
  const std::string objects = "CAPTION=SUB X\r\nSUB Early()\r\n";
  files.files["C:\\M.FIL"] = objects + testing::storedLines({"BEGIN SCRIPT", "Sub  Button_Click()", "  MSGBOX 1",
                                                             "END SUB", "\tsub Label_Click ()", "INCLUDE X"});
  files.files["C:\\INC1.SRC"] = "SUB B()\r\n";
  const long start = static_cast<long>(objects.size()) + 1;
  auto script = loadScriptFiles({"C:\\M.FIL", start, {"C:\\INC1.SRC", "C:\\MISSING.SRC"}}, files);
  ASSERT_NE(script, nullptr);
  ASSERT_EQ(script->subs.size(), 2u);  // SUB lines before the start and in include files are not indexed
  EXPECT_EQ(script->subs[0].name, "Button_Click()");
  EXPECT_EQ(script->subs[0].bodyPosition, start + 14 + 21);
  EXPECT_EQ(script->subs[1].name, "Label_Click ()");
  EXPECT_NE(script->findSub("SUB BUTTON_CLICK()"), nullptr);
  EXPECT_EQ(script->findSub("SUB LABEL_CLICK()"), nullptr);  // a blank before the parentheses does not match
  ASSERT_EQ(script->includes.size(), 2u);
  EXPECT_TRUE(script->includes[0].isOpen());
  EXPECT_FALSE(script->includes[1].isOpen());

  EXPECT_EQ(loadScriptFiles({"C:\\NONE.FIL", 1, {}}, files), nullptr);
}

TEST(EventSubName, OneSubPerKindAndEvent) {
  EXPECT_EQ(eventSubName(ObjectKind::Button, ScriptEvent::Click), "SUB BUTTON_CLICK()");
  EXPECT_EQ(eventSubName(ObjectKind::Menu, ScriptEvent::LoadedMenu), "SUB MENU_LOADEDMENU()");
  EXPECT_EQ(eventSubName(ObjectKind::Menu, ScriptEvent::UnloadMenu), "SUB MENU_UNLOADMENU()");
  EXPECT_EQ(eventSubName(ObjectKind::PictureButton, ScriptEvent::CommitExecute), "SUB PICTUREBUTTON_COMMITEXECUTE()");
  EXPECT_EQ(eventSubName(ObjectKind::Image, ScriptEvent::MouseMove), "SUB IMAGE_MOUSEMOVE()");
  EXPECT_EQ(eventSubName(ObjectKind::ComboBox, ScriptEvent::Click), "SUB COMBOBOX_CLICK()");
  EXPECT_EQ(eventSubName(ObjectKind::Image, ScriptEvent::BeforeExecute), "");
  EXPECT_EQ(eventSubName(ObjectKind::ComboBox, ScriptEvent::MouseMove), "");
  EXPECT_EQ(eventSubName(ObjectKind::Menu, ScriptEvent::MouseMove), "");
  EXPECT_EQ(eventSubName(ObjectKind::Label, ScriptEvent::LoadedMenu), "");
  EXPECT_EQ(eventSubName(ObjectKind::Radio, ScriptEvent::Click), "");
  EXPECT_EQ(eventSubName(ObjectKind::CheckBox, ScriptEvent::Click), "");
  EXPECT_EQ(eventSubName(ObjectKind::Frame, ScriptEvent::Click), "");
}

}  // namespace
}  // namespace pemo::script
