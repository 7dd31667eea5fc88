#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "editor/property/tests/property_fakes.h"
#include "editor/property/window/property_window.h"
#include "platform/ui/colours.h"
#include "platform/ui/shown_text.h"

namespace pemo::editor::property {
namespace {

// Writes caption rows to the object the grid shows, noting what the grid showed then.
struct CaptionWriteBack : RowWriteBack {
  std::vector<ObjectRef> writtenTo;
  bool applyRow(PropertyGrid& grid, int row) override {
    writtenTo.push_back(grid.target.object);
    grid.target.document->find(grid.target.object)->caption = grid.rows[row].text;
    return true;
  }
};

class PropertyWindowTest : public ::testing::Test {
 protected:
  PropertyWindowTest() {
    state.mainWindow = &main;
    document.caption = "MENU1";
    windows.windows = {{21, &document}};
    sheet.setRowWriteBack(&writeBack);
  }
  void activate(ObjectRef object) {
    state.activeMenuWindow = 21;
    state.activeObject = object;
    sheet.changeActiveObject();
  }
  void settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
  }
  std::vector<int> editorWidths() const {
    std::vector<int> widths;
    for (int box = 0; box < kTextBoxCount; ++box) widths.push_back(window.textBox(box)->width());
    for (ChoiceList list : {ChoiceList::Style, ChoiceList::UnloadMode, ChoiceList::PictureSize})
      widths.push_back(window.choiceList(list)->width());
    widths.push_back(window.objectList()->width());
    return widths;
  }

  EditorState state;
  FakeMenuWindows windows;
  FakeMainWindow main;
  CaptionWriteBack writeBack;
  MenuDocument document;
  PropertySheet sheet{state, windows};
  PropertyWindow window{sheet};
};

TEST_F(PropertyWindowTest, RowsStandAtTheirPlacesAndShowTheSheetsGrid) {
  window.show();
  EXPECT_EQ(window.windowFlags() & Qt::Tool, Qt::Tool);
  EXPECT_EQ(window.size(), QSize(337, 384));
  EXPECT_EQ(window.captionLabel(11)->geometry(), QRect(1, 274, 100, 21));
  EXPECT_EQ(window.rowEditor(row::Style)->geometry(), QRect(102, 230, 233, 21));
  EXPECT_EQ(window.captionLabel(0)->toolTip().toStdString(), "ｵﾌﾞｼﾞｪｸﾄのﾀｲﾄﾙを設定します");
  EXPECT_FALSE(window.dialogButton()->isVisible());
  EXPECT_EQ(window.dialogButton()->text(), "...");
  // No menu window: everything off, labels white.
  EXPECT_EQ(window.windowTitle().toStdString(), "ﾌﾟﾛﾊﾟﾃｨ");
  EXPECT_FALSE(window.textBox(0)->isEnabled());
  EXPECT_FALSE(window.objectList()->isEnabled());
  EXPECT_EQ(window.captionLabel(15)->palette().color(QPalette::Window), QColor(Qt::white));
  EXPECT_FALSE(window.captionLabel(15)->isEnabled());
  EXPECT_EQ(window.choiceList(ChoiceList::Style)->currentIndex(), -1);

  MenuObject& label = document.objects(ObjectKind::Label).load(1);
  label.caption = "Start";
  label.labelStyle = "5";
  activate({ObjectKind::Label, 1});
  EXPECT_EQ(window.objectList()->count(), 2);
  EXPECT_EQ(window.objectList()->currentText().toStdString(), "Start    Label(1)");
  EXPECT_EQ(window.textBox(0)->text().toStdString(), "Start");
  EXPECT_TRUE(window.textBox(0)->isEnabled());
  EXPECT_FALSE(window.textBox(5)->isEnabled());
  EXPECT_EQ(window.choiceList(ChoiceList::Style)->count(), 6);
  EXPECT_EQ(window.choiceList(ChoiceList::Style)->currentIndex(), 5);

  // Reopening never duplicates a list's entries.
  window.close();
  window.show();
  settle();
  EXPECT_EQ(window.size(), QSize(337, 384));
  EXPECT_EQ(window.choiceList(ChoiceList::Style)->count(), 6);
  EXPECT_EQ(window.choiceList(ChoiceList::UnloadMode)->count(), 2);
}

TEST_F(PropertyWindowTest, EditorsFollowTheWidthFromTheMinimumWidthOnAndTheHeightStays) {
  window.show();
  settle();
  std::vector<int> before = editorWidths();
  EXPECT_EQ(window.size(), QSize(337, 384));
  const int width = window.width();
  window.resize(width + 20, window.height());  // 300 twips wider
  settle();
  std::vector<int> widened = editorWidths();
  for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(widened[i], before[i] + 20) << i;

  window.resize(120, window.height());  // 1800 twips: nothing follows
  settle();
  EXPECT_EQ(editorWidths(), widened);
  window.resize(width + 40, window.height());  // measured from the last accepted width
  settle();
  EXPECT_EQ(editorWidths()[0], widened[0] + 20);

  window.resize(window.width(), 500);
  settle();
  EXPECT_EQ(window.height(), 384);
}

TEST_F(PropertyWindowTest, ClosingKeepsThePlaceAndTheSheetFollowsWhileClosed) {
  window.show();
  settle();
  window.move(140, 90);
  settle();
  QPoint place = window.pos();
  QSize size = window.size();
  window.close();
  EXPECT_FALSE(sheet.loaded());
  window.move(10, 10);
  settle();
  // A reload while closed loads the window unseen at its place.
  document.objects(ObjectKind::Button).load(1);
  activate({ObjectKind::Button, 1});
  EXPECT_TRUE(sheet.loaded());
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.objectList()->count(), 2);
  window.show();
  settle();
  EXPECT_EQ(window.pos(), place);
  EXPECT_EQ(window.size(), size);
}

TEST_F(PropertyWindowTest, ATypedRowIsCommittedToItsObjectBeforeTheGridShowsAnother) {
  document.objects(ObjectKind::Label).load(1);
  document.objects(ObjectKind::CheckBox).load(1).caption = "Box";
  window.show();
  activate({ObjectKind::Label, 1});
  int changes = main.changes;
  window.textBox(0)->setFocus();
  QTest::keyClicks(window.textBox(0), "Typed");
  EXPECT_TRUE(sheet.propChange());

  // Picking the check box in the list: the label gets the text first.
  window.objectList()->activated(2);
  EXPECT_EQ(writeBack.writtenTo, (std::vector<ObjectRef>{{ObjectKind::Label, 1}}));
  EXPECT_EQ(document.objects(ObjectKind::Label).at(1).caption, "Typed");
  EXPECT_TRUE(document.changed);
  EXPECT_EQ(window.textBox(0)->text().toStdString(), "Box");
  EXPECT_TRUE(window.textBox(12)->isEnabled());  // the check box's value row
  EXPECT_EQ(main.changes, changes);              // the list does not touch the commands

  // Typed, then a command that takes no focus: the command commits first.
  QTest::keyClicks(window.textBox(0), "!");
  state.propertyWindow = &sheet;
  state.propertyWindow->commitPendingRow();
  EXPECT_EQ(document.objects(ObjectKind::CheckBox).at(1).caption, "Box!");
  EXPECT_FALSE(sheet.propChange());
}

TEST_F(PropertyWindowTest, ShowingTheWindowAgainStartsWithNoRowHighlighted) {
  document.objects(ObjectKind::Label).load(1);
  window.show();
  activate({ObjectKind::Label, 1});
  const QColor white(Qt::white);
  const QColor highlight = ui::colourFromBgr(kLabelHighlight);
  window.textBox(0)->setFocus();
  settle();
  ASSERT_EQ(window.captionLabel(0)->palette().color(QPalette::Window), highlight);

  window.close();
  window.show();
  window.activateWindow();
  settle();
  for (int row = 0; row < kRowCount; ++row)
    EXPECT_EQ(window.captionLabel(row)->palette().color(QPalette::Window), white) << row;

  // The next row focused is the only one highlighted.
  window.textBox(1)->setFocus();
  settle();
  EXPECT_EQ(window.captionLabel(1)->palette().color(QPalette::Window), highlight);
  EXPECT_EQ(window.captionLabel(0)->palette().color(QPalette::Window), white);
}

TEST_F(PropertyWindowTest, TheObjectListCutsCaptionsOfAnyLength) {
  document.objects(ObjectKind::Label).load(1).caption = std::string(5'000'000, 'x');
  document.objects(ObjectKind::Button).load(1).caption = "Start";
  window.show();
  activate({ObjectKind::Label, 1});
  ASSERT_EQ(window.objectList()->count(), 3);
  const QString cut = window.objectList()->itemText(1);
  EXPECT_EQ(cut, ui::shownText(QString(ui::kMostShownCharacters + 1, 'x')));
  EXPECT_EQ(window.objectList()->currentIndex(), 1);
  EXPECT_EQ(window.objectList()->itemText(2).toStdString(), "Start    Button(1)");
  // A reload that changes nothing keeps the list's entries and its choice.
  activate({ObjectKind::Button, 1});
  EXPECT_EQ(window.objectList()->itemText(1), cut);
  EXPECT_EQ(window.objectList()->currentIndex(), 2);
}

}  // namespace
}  // namespace pemo::editor::property
