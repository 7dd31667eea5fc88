#include <gtest/gtest.h>

#include "runtime/script/messages.h"
#include "runtime/script/objects/tests/fake_script_page.h"

namespace pemo::script {
namespace {

using testing::ObjectsFixture;
using testing::quotedError;
using Lines = std::vector<std::string>;

TEST(ScriptProperties, ReadFormats) {
  ObjectsFixture f;
  auto& label = f.page.add(ObjectKind::Label, 1);
  label.caption = "見出し";
  label.foreColor = 0x0000FF;
  label.edges = {12.5, 30, 100, 0};
  f.page.add(ObjectKind::Label, 2).foreColor = 0;
  f.page.add(ObjectKind::Radio, 1).value = 0;
  auto& checked = f.page.add(ObjectKind::Radio, 3);
  checked.value = 1;
  checked.caption = "三番";
  f.page.add(ObjectKind::CheckBox, 1).value = 2;
  f.page.add(ObjectKind::ComboBox, 1);
  f.page.add(ObjectKind::Image, 1).edges = {5, 6, 7, 8};
  f.page.panels[2] = "二";
  // Read into string variables, so that the texts arrive as read.
  const Lines shown = f.run({
      "A$ = LABEL(1).CAPTION", "MSGBOX A$", "A$ = LABEL(1).LEFT", "MSGBOX A$", "A$ = LABEL(1).FORECOLOR",
      "MSGBOX A$", "A$ = LABEL(2).FORECOLOR", "MSGBOX A$", "A$ = MENU.BACKCOLOR", "MSGBOX A$",
      "A$ = MENU.CAPTION", "MSGBOX A$", "A$ = RADIO(1).VALUE", "MSGBOX A$", "A$ = RADIO(3).VALUE", "MSGBOX A$",
      "A$ = SELRADIO.INDEX", "MSGBOX A$", "A$ = SELRADIO.VALUE", "MSGBOX A$", "A$ = SELRADIO.CAPTION",
      "MSGBOX A$", "A$ = CHECKBOX(1).VALUE", "MSGBOX A$", "A$ = COMBOBOX(1).LISTINDEX", "MSGBOX A$",
      "A$ = APP.PATH", "MSGBOX A$", "A$ = APP.CURRENTDIR", "MSGBOX A$", "A$ = STATUSBAR.PANEL2", "MSGBOX A$",
      "A$ = IMAGE(1).TOP", "MSGBOX A$", "A$ = LABEL(1).ONCURSORCOLOR", "MSGBOX A$"});
  EXPECT_EQ(shown, (Lines{"見出し", "12.5", "FF", "0", "8000000F", "メニュー", "0", "-1", "3", "-1", "三番", "2", "-1",
                          "C:\\PEMO\\", "D:\\WORK", "二", "6", "FF0000"}));
  EXPECT_TRUE(f.errors().empty());

  // A numeric property in an expression goes to the calculation as a number.
  EXPECT_EQ(f.run({"MSGBOX LABEL(1).TOP + 2"}), Lines{"32"});

  // With no radio button checked SELRADIO cannot be read: the run ends without a message.
  f.page.at(ObjectKind::Radio, 3).value = 0;
  EXPECT_TRUE(f.run({"A$ = SELRADIO.INDEX", "MSGBOX \"not reached\""}).empty());
  EXPECT_TRUE(f.errors().empty());
}

TEST(ScriptProperties, SettingValues) {
  ObjectsFixture f;
  f.page.add(ObjectKind::Label, 1);
  f.page.add(ObjectKind::Radio, 1).value = 1;
  f.page.add(ObjectKind::Radio, 2);
  f.page.add(ObjectKind::CheckBox, 1);
  f.page.add(ObjectKind::Frame, 1);
  f.page.add(ObjectKind::Image, 1);
  f.page.add(ObjectKind::ComboBox, 1).items = {"a", "b"};
  f.page.pictures = {"C:\\P\\A.BMP"};
  f.run({"MENU.CAPTION = \"新しい\" & \"題\"", "MENU.BACKCOLOR = !FF00", "STATUSBAR.PANEL3 = \"三\"",
         "LABEL(1).LEFT = 10 + 5", "LABEL(1).WIDTH = 80.5", "LABEL(1).ONCURSORCOLOR = !FF",
         "FRAME(1).CAPTION = \"枠\"", "FRAME(1).BACKCOLOR = !8000000F", "RADIO(2).VALUE = 1",
         "CHECKBOX(1).VALUE = 2", "IMAGE(1).PICTURE = \"C:\\P\\A.BMP\"", "COMBOBOX(1).LISTINDEX = 1"});
  EXPECT_TRUE(f.errors().empty());
  EXPECT_EQ(f.page.windowCaption, "新しい題");
  EXPECT_EQ(f.page.backColor, 0xFF00u);
  EXPECT_EQ(f.page.panels[3], "三");
  EXPECT_EQ(f.page.at(ObjectKind::Label, 1).edges[0], 15);
  EXPECT_EQ(f.page.at(ObjectKind::Label, 1).edges[2], 80.5);
  EXPECT_EQ(f.page.at(ObjectKind::Frame, 1).caption, "枠");
  EXPECT_EQ(f.page.at(ObjectKind::Frame, 1).backColor, 0x8000000Fu);
  EXPECT_EQ(f.page.at(ObjectKind::Radio, 1).value, 0);  // checking one unchecks the other
  EXPECT_EQ(f.page.at(ObjectKind::Radio, 2).value, 1);
  EXPECT_EQ(f.page.at(ObjectKind::CheckBox, 1).value, 2);
  EXPECT_EQ(f.page.at(ObjectKind::Image, 1).picture, "C:\\P\\A.BMP");
  EXPECT_EQ(f.page.at(ObjectKind::ComboBox, 1).listIndex, 1);
  // The on-cursor colour is held as hexadecimal digits, the form the page reads, and
  // reads back as the colour it was given.
  EXPECT_EQ(f.page.at(ObjectKind::Label, 1).onCursorColor, "FF");
  EXPECT_EQ(f.run({"A$ = LABEL(1).ONCURSORCOLOR", "MSGBOX A$"}), Lines{"FF"});

  // LISTINDEX = -1 clears the selection.
  f.run({"COMBOBOX(1).LISTINDEX = -1"});
  EXPECT_EQ(f.page.at(ObjectKind::ComboBox, 1).listIndex, -1);
  EXPECT_TRUE(f.errors().empty());

  // Positions and sizes keep to 16-bit coordinates, as those the menu file gives.
  f.run({"LABEL(1).LEFT = 100000", "LABEL(1).TOP = -5000000", "LABEL(1).HEIGHT = 2147483647"});
  EXPECT_TRUE(f.errors().empty());
  EXPECT_EQ(f.page.at(ObjectKind::Label, 1).edges[0], 32767);
  EXPECT_EQ(f.page.at(ObjectKind::Label, 1).edges[1], -32767);
  EXPECT_EQ(f.page.at(ObjectKind::Label, 1).edges[3], 32767);

  // Values the object cannot take end the run without a message and change nothing.
  for (const std::string line : {"CHECKBOX(1).VALUE = 3", "CHECKBOX(1).VALUE = 40000", "COMBOBOX(1).LISTINDEX = 2",
                                 "COMBOBOX(1).LISTINDEX = -2", "LABEL(1).WIDTH = -1", "LABEL(1).FORECOLOR = !1000000",
                                 "IMAGE(1).PICTURE = \"C:\\P\\NONE.BMP\"", "MENU.BACKCOLOR = -5"}) {
    EXPECT_TRUE(f.run({line, "MSGBOX \"not reached\""}).empty()) << line;
  }
  EXPECT_TRUE(f.errors().empty());
  EXPECT_EQ(f.page.at(ObjectKind::CheckBox, 1).value, 2);
  EXPECT_EQ(f.page.at(ObjectKind::ComboBox, 1).listIndex, -1);
  EXPECT_EQ(f.page.at(ObjectKind::Label, 1).edges[2], 80.5);
  EXPECT_EQ(f.page.at(ObjectKind::Image, 1).picture, "C:\\P\\A.BMP");
  EXPECT_EQ(f.page.backColor, 0xFF00u);
}

TEST(ScriptProperties, UnloadSubFindsThePageEmpty) {
  ObjectsFixture f;  // the page's objects are gone when the unload SUB runs
  f.files.files["C:\\MENU\\A.FIL"] = testing::storedLines(
      {"SUB MENU_UNLOADMENU()", "STATUSBAR.PANEL1 = \"bye\"", "LABEL(1).CAPTION = \"x\"", "MSGBOX \"not reached\"",
       "END SUB"});
  f.engine.loadScript({"C:\\MENU\\A.FIL", 1, {}});
  f.engine.fireScriptEvent(ObjectKind::Menu, 0, menufile::ScriptEvent::UnloadMenu);
  EXPECT_EQ(f.page.panels[1], "bye");
  EXPECT_EQ(f.errors(), Lines{quotedError("LABEL(1).CAPTION", msg::kIndexOutOfRange)});
  EXPECT_TRUE(f.statements.trace.empty());
  EXPECT_FALSE(f.engine.scriptRunning());
}

TEST(ScriptProperties, ProgressWindow) {
  ObjectsFixture f;
  // A value outside 0-100 on a closed window does nothing: it is not shown first.
  f.run({"PROGRESSWINDOW.VALUE = 101"});
  EXPECT_EQ(f.progressView.shown, 0);

  f.run({"PROGRESSWINDOW.VALUE = 50"});
  EXPECT_TRUE(f.progress.loaded());
  EXPECT_EQ(f.progressView.shown, 1);
  EXPECT_EQ(f.progressView.bar, 50);
  EXPECT_EQ(f.progressView.at.left, 1024 - 298);  // top right at first
  EXPECT_EQ(f.progressView.at.top, 0);

  // ALIGN is a numeric property and can be set; WIDTH keeps the window in its place.
  f.run({"PROGRESSWINDOW.ALIGN = 4", "PROGRESSWINDOW.WIDTH = 400", "PROGRESSWINDOW.CAPTION = \"処理中\"",
         "PROGRESSWINDOW.MESSAGE = \"コピーしています\"", "PROGRESSWINDOW.VALUE = 100"});
  EXPECT_TRUE(f.errors().empty());
  EXPECT_EQ(f.progressView.shown, 1);
  EXPECT_EQ(f.progressView.at.left, (1024 - 400) / 2);
  EXPECT_EQ(f.progressView.at.top, (768 - 85) / 2);
  EXPECT_EQ(f.progressView.controlWidth, 400 - 4 - 16);
  EXPECT_EQ(f.progressView.caption, "処理中");
  EXPECT_EQ(f.progressView.message, "コピーしています");
  EXPECT_EQ(f.progressView.bar, 100);

  // A value that is no 16-bit number changes nothing; -1 closes the window.
  EXPECT_TRUE(f.run({"PROGRESSWINDOW.VALUE = 40000", "MSGBOX \"not reached\""}).empty());
  EXPECT_TRUE(f.progress.loaded());
  f.run({"PROGRESSWINDOW.VALUE = -1"});
  EXPECT_FALSE(f.progress.loaded());
  EXPECT_FALSE(f.progressView.visible);

  // Any other property opens a closed window on top before it is set.
  f.run({"PROGRESSWINDOW.MESSAGE = \"再開\""});
  EXPECT_TRUE(f.progress.loaded());
  EXPECT_EQ(f.progressView.shown, 2);
  EXPECT_TRUE(f.errors().empty());
}

}  // namespace
}  // namespace pemo::script
