#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "editor/property/tests/write_back_fixture.h"
#include "editor/property/window/property_window.h"
#include "editor/property/window/qt_property_dialogs.h"
#include "menufile/values.h"
#include "platform/ui/colours.h"
#include "platform/ui/fonts.h"

namespace pemo::editor::property {
namespace {

struct NoFiles : FileDialogPort {
  std::optional<std::string> showOpen(const Request&) override { return std::nullopt; }
  std::optional<std::string> showSave(const Request&) override { return std::nullopt; }
};

// The colour dialog, once it is open, gets `answer`.
void answerColourDialog(std::function<void(QColorDialog&)> answer) {
  QTimer::singleShot(0, [answer] {
    if (auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget())) answer(*dialog);
  });
}

class RowEditingWindowTest : public WriteBackTest {
 protected:
  RowEditingWindowTest() {
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  QColor labelColour(int row) const { return window.captionLabel(row)->palette().color(QPalette::Window); }
  QLineEdit* box(int row) const { return static_cast<QLineEdit*>(window.rowEditor(row)); }
  void focus(int row) {
    window.rowEditor(row)->setFocus();
    QApplication::processEvents();
  }
  // The user picks an entry of a list row.
  void choose(int row, int index) {
    focus(row);
    auto* list = static_cast<QComboBox*>(window.rowEditor(row));
    list->setCurrentIndex(index);
    emit list->activated(index);
  }

  PropertyWindow window{sheet};
};

TEST_F(RowEditingWindowTest, TheFocusedRowIsCyanAndTheDialogButtonSitsAtTheRightOfItsBox) {
  add(ObjectKind::Label);
  show({ObjectKind::Label, 1});
  focus(row::Caption);
  EXPECT_EQ(labelColour(row::Caption), QColor(Qt::cyan));
  EXPECT_FALSE(window.dialogButton()->isVisible());
  focus(row::Font);
  EXPECT_EQ(labelColour(row::Font), QColor(Qt::cyan));
  EXPECT_EQ(labelColour(row::Caption), QColor(Qt::white));
  ASSERT_TRUE(window.dialogButton()->isVisible());
  const QRect button = window.dialogButton()->geometry();
  EXPECT_EQ(button.right(), box(row::Font)->geometry().right());
  EXPECT_EQ(button.top(), box(row::Font)->geometry().top());

  // The object list highlights nothing.
  window.objectList()->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(labelColour(row::Font), QColor(Qt::white));
}

// An empty text box drawn with a caret: a dark mark inside its frame.
bool showsCaret(QLineEdit* box) {
  const QImage image = box->grab().toImage();
  for (int y = 3; y < image.height() - 3; ++y)
    for (int x = 3; x < image.width() - 3; ++x)
      if (qGray(image.pixel(x, y)) < 90) return true;
  return false;
}

TEST_F(RowEditingWindowTest, RowsTurnedOffUnderTheFocusShowNoCaret) {
  add(ObjectKind::Label);
  show({ObjectKind::Label, 1});
  focus(row::Height);
  // The menu's rows (Ctrl+P): the focus passes down the rows that go off one by one.
  show({ObjectKind::Menu, 0});
  for (int row = 0; row < kRowCount; ++row)
    if (!isListRow(row) && !box(row)->isEnabled()) EXPECT_FALSE(showsCaret(box(row))) << row;
}

TEST_F(RowEditingWindowTest, EnterCommitsAndMovesOnAndAnUnchangedRowMarksNothing) {
  ObjectRef label = add(ObjectKind::Label);
  object(label).caption = "Old";
  show(label);
  focus(row::Caption);
  focus(row::Left);
  EXPECT_FALSE(first.changed);

  focus(row::Caption);
  box(row::Caption)->selectAll();
  QTest::keyClicks(box(row::Caption), "New title");
  QTest::keyClick(box(row::Caption), Qt::Key_Return);
  EXPECT_EQ(object(label).caption, "New title");
  EXPECT_TRUE(first.changed);
  EXPECT_TRUE(box(row::Left)->hasFocus());
  EXPECT_EQ(windows.objectsShown.back(), label);

  // A refused value shows its old text again.
  first.changed = false;
  box(row::Left)->selectAll();
  QTest::keyClicks(box(row::Left), "1e9");
  QTest::keyClick(box(row::Left), Qt::Key_Return);
  EXPECT_EQ(box(row::Left)->text().toStdString(), "0");
  EXPECT_FALSE(first.changed);

  // The box's context menu opened and closed in the middle of a value commits nothing;
  // the value is finished after it and goes when the row is left.
  shown.shown.clear();
  focus(row::Left);
  box(row::Left)->selectAll();
  QTest::keyClicks(box(row::Left), "99999");
  QFocusEvent popupOut(QEvent::FocusOut, Qt::PopupFocusReason);
  QApplication::sendEvent(box(row::Left), &popupOut);
  QFocusEvent popupIn(QEvent::FocusIn, Qt::PopupFocusReason);
  QApplication::sendEvent(box(row::Left), &popupIn);
  EXPECT_TRUE(messages().empty());
  QTest::keyClick(box(row::Left), Qt::Key_Backspace);
  QTest::keyClick(box(row::Left), Qt::Key_Backspace);
  QTest::keyClick(box(row::Left), Qt::Key_Return);
  EXPECT_EQ(object(label).left, 999);
  EXPECT_TRUE(messages().empty());
}

TEST_F(RowEditingWindowTest, ListsStoreTheUsersChoiceAndTheImageSizeRowsFollow) {
  ObjectRef image = add(ObjectKind::Image);
  object(image).picture = picture("size.bmp", 33, 44);
  object(image).stretch = true;
  show(image);
  choose(row::Style, 2);
  EXPECT_EQ(messages(), (std::vector<std::string>{kStyleRefusedMessage}));
  EXPECT_EQ(static_cast<QComboBox*>(window.rowEditor(row::Style))->currentIndex(), 0);
  EXPECT_EQ(object(image).linkStyle, 0);
  EXPECT_FALSE(first.changed);

  choose(row::Stretch, 1);
  EXPECT_FALSE(object(image).stretch);
  EXPECT_EQ(box(row::Width)->text().toStdString(), "33");
  EXPECT_EQ(box(row::Height)->text().toStdString(), "44");
  EXPECT_TRUE(first.changed);

  // Loading the grid sets the lists without a choice being made.
  first.changed = false;
  show({ObjectKind::Menu, 0});
  show(image);
  EXPECT_FALSE(first.changed);
}

TEST_F(RowEditingWindowTest, TheDialogButtonOpensTheRowsDialog) {
  ObjectRef radio = add(ObjectKind::Radio);
  show(radio);
  focus(row::BackColor);
  const std::string before = box(row::BackColor)->text().toStdString();
  QTest::mouseClick(window.dialogButton(), Qt::LeftButton);
  EXPECT_EQ(box(row::BackColor)->text().toStdString(), before);
  EXPECT_FALSE(first.changed);

  dialogs.colour = 0x00FF00;
  QTest::mouseClick(window.dialogButton(), Qt::LeftButton);
  EXPECT_EQ(box(row::BackColor)->text().toStdString(), "FF00");
  EXPECT_EQ(object(radio).backColor, 0xFF00u);
  EXPECT_TRUE(first.changed);

  // A typed value goes first, then the dialog's.
  focus(row::Font);
  box(row::Font)->selectAll();
  QTest::keyClicks(box(row::Font), "Typed,10,False,False,False");
  dialogs.font = FontChoice{"Arial", 12, true, false, false};
  QTest::mouseClick(window.dialogButton(), Qt::LeftButton);
  EXPECT_EQ(dialogs.fontStarts.back().name, "Typed");
  EXPECT_EQ(box(row::Font)->text().toStdString(), "Arial,12,True,False,False");
  EXPECT_EQ(object(radio).font.name, "Arial");
}

TEST_F(RowEditingWindowTest, ASelectionShowsNoObjectsValues) {
  ObjectRef l1 = add(ObjectKind::Label), l2 = add(ObjectKind::Label);
  ObjectRef button = add(ObjectKind::Button);
  object(l1).caption = "one";
  show(l1);
  showSelection({l1, l2}, 1);
  EXPECT_EQ(box(row::Caption)->text().toStdString(), "");
  EXPECT_TRUE(box(row::Caption)->isEnabled());
  EXPECT_FALSE(window.rowEditor(row::Style)->isEnabled());
  EXPECT_FALSE(window.objectList()->isEnabled());
  showSelection({l1, button}, 3);
  EXPECT_FALSE(box(row::Caption)->isEnabled());
  EXPECT_TRUE(box(row::Top)->isEnabled());
  EXPECT_FALSE(box(row::Picture)->isEnabled());
}

TEST_F(RowEditingWindowTest, OkOnTheColourTheDialogOpenedAtKeepsTheRowsValue) {
  NoFiles files;
  QtPropertyDialogs colourDialog(&window, files);
  sheet.setDialogs(&colourDialog);
  ObjectRef radio = add(ObjectKind::Radio);
  ObjectRef label = add(ObjectKind::Label);
  object(label).onCursorColor = "&H8000000F";
  // The row's text after the dialog, answered with `answer`, on the row showing `value`.
  auto afterDialog = [&](ObjectRef ref, int row, std::uint32_t value, std::function<void(QColorDialog&)> answer) {
    if (row == row::BackColor) object(ref).backColor = value;
    if (row == row::ForeColor) object(ref).foreColor = value;
    show(ref);
    focus(row);
    answerColourDialog(answer);
    QTest::mouseClick(window.dialogButton(), Qt::LeftButton);
    return box(row)->text().toStdString();
  };
  auto ok = [](QColorDialog& dialog) { dialog.accept(); };
  // The user picks `colour`, then presses OK or Cancel.
  auto pick = [](QColor colour, bool pressOk) {
    return [colour, pressOk](QColorDialog& dialog) {
      dialog.setCurrentColor(colour);
      pressOk ? dialog.accept() : dialog.reject();
    };
  };
  for (std::uint32_t value : {0x8000000Fu, 0x80000005u, 0x0080FFu}) {
    first.changed = false;
    EXPECT_EQ(afterDialog(radio, row::BackColor, value, ok), menufile::formatColour(value));
    EXPECT_EQ(object(radio).backColor, value);
    EXPECT_TRUE(first.changed) << "OK is a change all the same";
    EXPECT_EQ(afterDialog(label, row::ForeColor, value, ok), menufile::formatColour(value));
    EXPECT_EQ(object(label).foreColor, value);
  }
  EXPECT_EQ(afterDialog(label, row::OnCursorColor, 0, ok), "&H8000000F") << "the text as it was written";

  // A colour the user changed is stored as the dialog shows it, a system colour's shade too.
  const QColor face = ui::colourFromBgr(0x8000000Fu);
  EXPECT_EQ(afterDialog(radio, row::BackColor, 0x8000000Fu, pick(QColor(0x12, 0x34, 0x56), true)), "563412");
  EXPECT_EQ(object(radio).backColor, 0x563412u);
  EXPECT_EQ(afterDialog(radio, row::BackColor, 0x0080FFu, pick(face, true)),
            menufile::formatColour(ui::bgrFromColour(face)));

  first.changed = false;
  EXPECT_EQ(afterDialog(radio, row::BackColor, 0x8000000Fu, pick(QColor(0x12, 0x34, 0x56), false)), "8000000F");
  EXPECT_EQ(object(radio).backColor, 0x8000000Fu);
  EXPECT_FALSE(first.changed);
}

TEST(QtPropertyDialogs, TheColourDialogOpensAtTheColourItIsGiven) {
  NoFiles files;
  QWidget parent;
  QtPropertyDialogs dialogs(&parent, files);
  auto shownColour = [&](std::optional<std::uint32_t> start) {
    QColor shown;
    answerColourDialog([&shown](QColorDialog& dialog) {
      shown = dialog.currentColor();
      dialog.reject();
    });
    EXPECT_EQ(dialogs.chooseColour(start), std::nullopt);
    return shown;
  };
  EXPECT_EQ(shownColour(0x0080FFu), QColor(0xFF, 0x80, 0x00));
  EXPECT_EQ(shownColour(0x80000008u), ui::colourFromBgr(0x80000008u)) << "a system colour as the desktop shows it";
  EXPECT_EQ(shownColour(std::nullopt), QColor(Qt::white));
}

TEST(QtPropertyDialogs, AFontChosenInTheFamilyItStartedFromKeepsItsStoredName) {
  const FontChoice start{"ＭＳ Ｐゴシック", 9, false, false, false};
  QFont chosen = ui::displayFont(start);
  chosen.setPointSizeF(12);
  chosen.setBold(true);
  EXPECT_EQ(storedFont(chosen, start), (FontChoice{"ＭＳ Ｐゴシック", 12, true, false, false}));
  chosen.setFamily("Some Other Family");
  chosen.setUnderline(true);
  EXPECT_EQ(storedFont(chosen, start), (FontChoice{"Some Other Family", 12, true, false, true}));
}

}  // namespace
}  // namespace pemo::editor::property
