// The sample script menu on the real runtime window: its script moves, recolours and
// re-captions the page's objects and drives the progress window.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "platform/fs/windows_path.h"
#include "platform/testing/temp_dir.h"
#include "platform/ui/colours.h"
#include "platform/ui/message_port.h"
#include "runtime/page/tests/page_fakes.h"
#include "runtime/shell/window/tests/window_fixture.h"

namespace pemo::shell {
namespace {

using page::ObjectKind;

struct ScriptedWindow : testing::WindowFixture {
  ScriptedWindow() : WindowFixture({800, 480}) {}
  template <class W>
  W* widget(ObjectKind kind, int index) {
    return qobject_cast<W*>(surface.objectWidget(kind, index));
  }
  void click(int button) { QTest::mouseClick(widget<QPushButton>(ObjectKind::Button, button), Qt::LeftButton); }
};

TEST(WindowScript, SampleMenuChangesThePageOnClicks) {
  ScriptedWindow w;
  w.surface.openFirstMenu(PEMO_SOURCE_DIR "/samples/SCRIPT.FIL");
  ASSERT_TRUE(w.script.engine().scriptLoaded());

  // The loaded SUB filled the combo box and the second status panel.
  QComboBox* combo = w.widget<QComboBox>(ObjectKind::ComboBox, 1);
  ASSERT_NE(combo, nullptr);
  ASSERT_EQ(combo->count(), 3);
  EXPECT_EQ(combo->itemText(0), QString::fromUtf8("ﾌﾞﾄﾞｳ, 巨峰"));
  EXPECT_EQ(combo->currentIndex(), 0);
  EXPECT_EQ(w.window.statusPanel(2), "ﾎﾞﾀﾝを押してください");

  QLabel* moving = w.widget<QLabel>(ObjectKind::Label, 2);
  const QPoint before = moving->pos();
  w.click(1);
  EXPECT_EQ(moving->pos(), before + QPoint(40, 20));
  EXPECT_EQ(w.widget<QPushButton>(ObjectKind::Button, 1)->text(), QString::fromUtf8("もっと動かす"));

  w.click(2);
  EXPECT_EQ(ui::bgrFromColour(moving->palette().color(QPalette::WindowText)), 0xFFu);
  EXPECT_TRUE(w.widget<QRadioButton>(ObjectKind::Radio, 3)->isChecked());
  EXPECT_FALSE(w.widget<QRadioButton>(ObjectKind::Radio, 1)->isChecked());
  EXPECT_EQ(w.widget<QCheckBox>(ObjectKind::CheckBox, 1)->checkState(), Qt::Checked);

  // The user's own choice counts: SELRADIO reads the widgets.
  QTest::mouseClick(w.widget<QRadioButton>(ObjectKind::Radio, 2), Qt::LeftButton, {}, QPoint(5, 10));
  w.click(3);
  EXPECT_EQ(w.window.windowTitle(), QString::fromUtf8("見出しを変えました"));
  EXPECT_EQ(moving->text(), QString::fromUtf8("選択: 大阪"));
  EXPECT_EQ(w.widget<QGroupBox>(ObjectKind::Frame, 1)->title(), QString::fromUtf8("都市 (2番)"));
  EXPECT_TRUE(w.widget<QRadioButton>(ObjectKind::Radio, 2)->isChecked()) << "a caption change keeps the choice";
  EXPECT_EQ(w.window.statusPanel(3), "ﾗﾍﾞﾙの位置 " + std::to_string(moving->x()) + "," + std::to_string(moving->y()));

  EXPECT_FALSE(w.script.progressWindow().made()) << "the page's start needs no progress window";
  w.click(4);
  script::QtProgressWindow& progress = w.script.progressWindow().window();
  EXPECT_TRUE(progress.isVisible());
  EXPECT_EQ(progress.bar()->value(), 60);
  EXPECT_EQ(progress.frameGeometry().width(), 360);
  EXPECT_EQ(progress.windowTitle(), QString::fromUtf8("進行状況"));
  w.click(5);
  EXPECT_FALSE(progress.isVisible());
  EXPECT_TRUE(w.messages.shown.empty()) << (w.messages.shown.empty() ? "" : w.messages.shown[0].prompt);
}

TEST(WindowScript, ReadsWhatTheUserChangedAndFindsThePageEmptyOnUnload) {
  pemo::testing::TempDir dir;
  const std::string picture = fs::toWindowsPath(PEMO_SOURCE_DIR "/samples/pictures/clock.bmp");
  const std::string path = page::testing::writeMenu(
      dir / "READ.FIL",
      {"BEGIN MENU", "CAPTION=読む", "BACKCOLOR=C0FFFF", "END MENU", "BEGIN LABEL", "CAPTION=ﾗﾍﾞﾙ", "LEFT=10",
       "TOP=10", "WIDTH=80", "HEIGHT=20", "ONCURSORCOLOR=ff00", "END LABEL", "BEGIN BUTTON", "CAPTION=読む",
       "LEFT=10", "TOP=40", "WIDTH=80", "HEIGHT=24", "END BUTTON", "BEGIN IMAGE", "CAPTION=", "LEFT=10", "TOP=80",
       "WIDTH=32", "HEIGHT=32", "PICTURE=", "END IMAGE", "BEGIN CHECKBOX", "CAPTION=ﾁｪｯｸ", "LEFT=120", "TOP=10",
       "WIDTH=100", "HEIGHT=20", "VALUE=0", "END CHECKBOX", "BEGIN COMBOBOX", "LEFT=120", "TOP=40", "WIDTH=100",
       "END COMBOBOX", "BEGIN SCRIPT", "SUB MENU_LOADEDMENU()", "COMBOBOX(1).ADDITEM \"a\"",
       "COMBOBOX(1).ADDITEM \"b\"", "STATUSBAR.PANEL2 = COMBOBOX(1).LISTINDEX", "END SUB", "SUB BUTTON_CLICK()",
       "STATUSBAR.PANEL3 = MENU.BACKCOLOR & \"|\" & LABEL(1).ONCURSORCOLOR & \"|\" & CHECKBOX(1).VALUE & "
       "\"|\" & COMBOBOX(1).LISTINDEX & \"|\" & APP.PATH",
       "IMAGE(1).PICTURE = \"" + picture + "\"", "END SUB", "SUB MENU_UNLOADMENU()",
       "STATUSBAR.PANEL2 = \"閉じた\"", "LABEL(1).CAPTION = \"x\"", "END SUB", "END SCRIPT"});
  ScriptedWindow w;
  w.runtime.appFolder = "C:\\PEMO\\";
  w.surface.openFirstMenu(path);
  // Adding items selects none of them.
  EXPECT_EQ(w.window.statusPanel(2), "-1");
  EXPECT_EQ(w.widget<QComboBox>(ObjectKind::ComboBox, 1)->currentIndex(), -1);
  QTest::mouseClick(w.widget<QCheckBox>(ObjectKind::CheckBox, 1), Qt::LeftButton, {}, QPoint(5, 10));
  w.widget<QComboBox>(ObjectKind::ComboBox, 1)->setCurrentIndex(1);
  w.click(1);
  EXPECT_EQ(w.window.statusPanel(3), "C0FFFF|FF00|1|1|C:\\PEMO\\");
  EXPECT_FALSE(w.widget<QLabel>(ObjectKind::Image, 1)->pixmap().isNull());
  EXPECT_TRUE(w.messages.shown.empty());

  w.page.closeMenu();
  EXPECT_EQ(w.window.statusPanel(2), "閉じた");
  ASSERT_EQ(w.messages.shown.size(), 1u);
  EXPECT_EQ(w.messages.shown[0].prompt, "'LABEL(1).CAPTION'\rｲﾝﾃﾞｯｸｽの値が範囲外です");
}

}  // namespace
}  // namespace pemo::shell
