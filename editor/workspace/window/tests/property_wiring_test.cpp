#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QApplication>
#include <QTest>

#include "editor/document/tests/document_fixture.h"
#include "editor/workspace/window/editor_windows.h"
#include "platform/fs/windows_path.h"

namespace pemo::editor {
namespace {

using pemo::testing::writeFileBytes;

// Writes caption rows to what the grid shows, noting which object that was.
struct CaptionWriteBack : property::RowWriteBack {
  std::vector<ObjectRef> writtenTo;
  bool applyRow(property::PropertyGrid& grid, int row) override {
    writtenTo.push_back(grid.target.object);
    grid.target.document->find(grid.target.object)->caption = grid.rows[row].text;
    return true;
  }
};

class PropertyWiringTest : public DocumentTest {
 protected:
  PropertyWiringTest() {
    state.appFolder = fs::toWindowsPath(dir.path().string()) + "\\";
    windows.start();
  }
  ~PropertyWiringTest() override {
    shown.answers.assign(10, ui::kNo);
    windows.mainWindow.close();
  }
  EditorWindows windows{state};
  property::PropertyWindow& prop = windows.propertyWindow;
};

TEST_F(PropertyWiringTest, ThePropertyWindowFollowsTheMenuWindowsAndCommandsCommitFirst) {
  EXPECT_TRUE(prop.isVisible());
  EXPECT_EQ(prop.windowTitle().toStdString(), "ﾌﾟﾛﾊﾟﾃｨ");
  EXPECT_FALSE(prop.objectList()->isEnabled());
  EXPECT_FALSE(windows.mainWindow.toolButton(8)->isEnabled());

  writeFileBytes(dir / "A.FIL",
                 "BEGIN MENU\r\n    CAPTION=First\r\nEND MENU\r\n"
                 "BEGIN LABEL\r\n    INDEX=1\r\n    CAPTION=Hello\r\nEND LABEL\r\n");
  windows.menuWindows.openMenuWindow(fs::toWindowsPath((dir / "A.FIL").string()), "");
  ASSERT_EQ(prop.objectList()->count(), 2);
  EXPECT_EQ(prop.objectList()->currentText().toStdString(), "First Menu");
  EXPECT_EQ(prop.textBox(0)->text().toStdString(), "First");

  prop.objectList()->activated(1);
  EXPECT_EQ(prop.textBox(0)->text().toStdString(), "Hello");
  EXPECT_TRUE(windows.mainWindow.toolButton(8)->isEnabled());

  // Typed, then a toolbar button, which takes no focus: the label gets the text first.
  CaptionWriteBack writeBack;
  windows.propertySheet.setRowWriteBack(&writeBack);
  prop.textBox(0)->setFocus();
  QTest::keyClicks(prop.textBox(0), "!");
  windows.mainWindow.toolButton(8)->trigger();
  EXPECT_EQ(writeBack.writtenTo, (std::vector<ObjectRef>{{ObjectKind::Label, 1}}));
  EXPECT_EQ(state.activeDocument->find({ObjectKind::Label, 1})->caption, "Hello!");
  EXPECT_TRUE(state.activeDocument->changed);
  windows.propertySheet.setRowWriteBack(nullptr);
}

MenuWindow* openMenu(EditorWindows& windows, const std::filesystem::path& file, const std::string& text) {
  writeFileBytes(file, text);
  windows.menuWindows.openMenuWindow(fs::toWindowsPath(file.string()), "");
  return windows.menuWindows.windows().back();
}

void activate(MenuWindow* window) {
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  QApplication::processEvents();
}

TEST_F(PropertyWiringTest, ATitleTypedForOneMenuGoesToItWhenAnotherMenuWindowIsClicked) {
  MenuWindow* a = openMenu(windows, dir / "A.FIL", "BEGIN MENU\r\n    CAPTION=Menu A\r\nEND MENU\r\n");
  MenuWindow* b = openMenu(windows, dir / "B.FIL", "BEGIN MENU\r\n    CAPTION=Menu B\r\nEND MENU\r\n");
  activate(a);
  ASSERT_EQ(prop.textBox(0)->text().toStdString(), "Menu A");
  prop.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&prop));
  prop.textBox(0)->setFocus();
  prop.textBox(0)->selectAll();
  QTest::keyClicks(prop.textBox(0), "Title for A");

  // Window B's activation comes before the text box loses the focus.
  activate(b);
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(a->document().caption, "Title for A");
  EXPECT_EQ(a->windowTitle().toStdString(), "Title for A");
  EXPECT_EQ(b->document().caption, "Menu B");
  EXPECT_TRUE(a->document().changed);
  EXPECT_FALSE(b->document().changed);
  EXPECT_EQ(prop.textBox(0)->text().toStdString(), "Menu B");
}

TEST_F(PropertyWiringTest, DeleteInAMenuWindowCommitsTheTypedCaptionAndShowsThatMenu) {
  const std::string labels = "BEGIN LABEL\r\n    INDEX=1\r\n    CAPTION=One\r\nEND LABEL\r\n"
                             "BEGIN LABEL\r\n    INDEX=2\r\n    CAPTION=Two\r\nEND LABEL\r\n";
  MenuWindow* a = openMenu(windows, dir / "C.FIL", "BEGIN MENU\r\n    CAPTION=Menu C\r\nEND MENU\r\n" + labels);
  MenuWindow* b = openMenu(windows, dir / "D.FIL", "BEGIN MENU\r\n    CAPTION=Menu D\r\nEND MENU\r\n" + labels);
  activate(a);
  QTest::mouseClick(a->objectWidget({ObjectKind::Label, 1}), Qt::LeftButton);
  ASSERT_EQ(prop.textBox(0)->text().toStdString(), "One");
  prop.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&prop));
  prop.textBox(0)->setFocus();
  prop.textBox(0)->selectAll();
  QTest::keyClicks(prop.textBox(0), "Typed");
  activate(a);
  QTest::keyClick(a, Qt::Key_Delete);
  EXPECT_EQ(a->document().find({ObjectKind::Label, 1}), nullptr);
  EXPECT_EQ(b->document().find({ObjectKind::Label, 1})->caption, "One");
  EXPECT_TRUE(a->document().changed);
  EXPECT_EQ(prop.objectList()->currentText().toStdString(), "Menu C Menu");
  EXPECT_EQ(prop.textBox(0)->text().toStdString(), "Menu C");

  // The key reaches a menu window whose activation has not been seen: what is selected
  // belongs to the other window and stays; the grid shows the window the key was pressed in.
  QTest::mouseClick(b->objectWidget({ObjectKind::Label, 2}), Qt::LeftButton);
  ASSERT_EQ(state.activeDocument, &b->document());
  QTest::keyClick(a, Qt::Key_Delete);
  EXPECT_NE(a->document().find({ObjectKind::Label, 2}), nullptr);
  EXPECT_NE(b->document().find({ObjectKind::Label, 2}), nullptr);
  EXPECT_EQ(state.activeDocument, &a->document());
  EXPECT_EQ(prop.textBox(0)->text().toStdString(), "Menu C");
  // Deleted by the popup of the window whose object is selected.
  QTest::mouseClick(b->objectWidget({ObjectKind::Label, 2}), Qt::LeftButton);
  b->popupItem(6)->trigger();
  EXPECT_EQ(b->document().find({ObjectKind::Label, 2}), nullptr);
  EXPECT_EQ(prop.textBox(0)->text().toStdString(), "Menu D");
}

TEST_F(PropertyWiringTest, AMenuWindowClosedWhileItsTitleIsTypedAsksToSaveTheTypedTitle) {
  MenuWindow* a = openMenu(windows, dir / "E.FIL", "BEGIN MENU\r\n    CAPTION=Menu E\r\nEND MENU\r\n");
  activate(a);
  prop.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&prop));
  prop.textBox(0)->setFocus();
  prop.textBox(0)->selectAll();
  QTest::keyClicks(prop.textBox(0), "Typed title");

  // Closed as the window manager closes it: nothing is activated first.
  shown.answers = {ui::kCancel};
  a->close();
  ASSERT_EQ(shown.shown.size(), 1u);
  EXPECT_NE(shown.shown[0].prompt.find("Typed title"), std::string::npos);
  EXPECT_TRUE(a->isVisible());
  EXPECT_EQ(a->document().caption, "Typed title");
}

TEST_F(PropertyWiringTest, AfterARowMovesTheSelectionItsMarksStandTwoPixelsAroundEachObject) {
  MenuWindow* menu = openMenu(windows, dir / "C.FIL",
                              "BEGIN MENU\r\n    CAPTION=Marks\r\nEND MENU\r\n"
                              "BEGIN LABEL\r\n    INDEX=1\r\n    LEFT=10\r\n    TOP=10\r\n    WIDTH=50\r\n    HEIGHT=20\r\nEND LABEL\r\n"
                              "BEGIN LABEL\r\n    INDEX=2\r\n    LEFT=80\r\n    TOP=30\r\n    WIDTH=40\r\n    HEIGHT=20\r\nEND LABEL\r\n");
  activate(menu);
  menu->surface().selectInBand(0, 0, 300, 200);
  ASSERT_EQ(state.activeObject.kind, ObjectKind::Multiple);
  EXPECT_EQ(prop.textBox(2)->text().toStdString(), "");
  prop.textBox(2)->setFocus();
  QTest::keyClicks(prop.textBox(2), "120");
  windows.propertySheet.commitPendingRow();
  const auto& marks = menu->surface().state().selectedRects;
  ASSERT_EQ(marks.size(), 2u);
  EXPECT_EQ(marks[0], (TableRect{8, 118, 62, 142}));
  EXPECT_EQ(marks[1], (TableRect{78, 118, 122, 142}));
  EXPECT_EQ(menu->objectWidget({ObjectKind::Label, 2})->geometry().top(), 120);
  EXPECT_TRUE(menu->document().changed);
}

TEST(EditorWindowsTeardown, TheStateKeepsNothingOfTheWindowsThatWent) {
  pemo::testing::TempDir dir;
  EditorState state;
  state.appFolder = fs::toWindowsPath(dir.path().string()) + "\\";
  ui::RecordingMessagePort shown;
  ui::ScopedMessagePort port(&shown);
  {
    EditorWindows windows(state);
    windows.start();
    openMenu(windows, dir / "D.FIL", "BEGIN MENU\r\n    CAPTION=Left open\r\nEND MENU\r\n");
    ASSERT_NE(state.activeDocument, nullptr);
  }
  QApplication::processEvents();
  EXPECT_EQ(state.propertyWindow, nullptr);
  EXPECT_EQ(state.mainWindow, nullptr);
  EXPECT_EQ(state.menuWindows, nullptr);
  EXPECT_EQ(state.activeDocument, nullptr);
}

}  // namespace
}  // namespace pemo::editor
