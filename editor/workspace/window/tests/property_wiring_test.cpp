#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
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
  EXPECT_EQ(state.activeForm->find({ObjectKind::Label, 1})->caption, "Hello!");
  EXPECT_TRUE(state.activeForm->changed);
  windows.propertySheet.setRowWriteBack(nullptr);
}

}  // namespace
}  // namespace pemo::editor
