// The menu window's filter on its object widgets: presses, moves and releases reach the
// editing surface and never the widgets themselves.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "editor/document/tests/document_fixture.h"
#include "editor/workspace/window/editor_windows.h"
#include "platform/fs/windows_path.h"
#include "platform/testing/shown_pixels.h"

namespace pemo::editor {
namespace {

class SurfaceEventsTest : public DocumentTest {
 protected:
  SurfaceEventsTest() {
    state.appFolder = fs::toWindowsPath(dir.path().string()) + "\\";
    windows.start();
    windows.workspace.run(EditorCommand::NewMenu, CommandSource::MainMenu);
    window = windows.menuWindows.windows().at(0);
  }
  ~SurfaceEventsTest() override {
    shown.answers.assign(10, ui::kNo);
    windows.mainWindow.close();
  }
  ObjectRef add(ObjectKind kind, int left, int top, int width, int height) {
    ObjectRef ref = window->document().addObject(kind);
    MenuObject& object = *window->document().find(ref);
    object.left = left;
    object.top = top;
    object.width = width;
    object.height = height;
    object.visible = true;
    window->objectAdded(ref);
    return ref;
  }
  void send(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
  }
  void drag(QWidget* widget, QPoint from, QPoint to) {
    send(widget, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    send(widget, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    send(widget, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
  }
  const MenuObject& at(ObjectRef ref) { return *window->document().find(ref); }
  // Pixels on the window that its objects painted afresh, with the outlines inverted over
  // them, would not give.
  long stalePixels() {
    const QImage shown = testing::shownPixels(*window);
    QImage fresh = testing::freshlyPainted(*window, window->overlay());
    QPainter painter(&fresh);
    painter.scale(window->devicePixelRatioF(), window->devicePixelRatioF());
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    for (const auto& outline : window->overlay()->outlines().outlines())
      for (const QRect& strip : ui::outlineStripRects(outline.rect, outline.penWidth)) painter.fillRect(strip, Qt::black);
    painter.end();
    return testing::differingPixels(shown, fresh);
  }
  void press(QWidget* widget, QPoint at) { send(widget, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton); }
  void moveHeld(QWidget* widget, QPoint to) {
    send(widget, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    QApplication::processEvents();
  }

  EditorWindows windows{state};
  MenuWindow* window = nullptr;
};

TEST_F(SurfaceEventsTest, ObjectWidgetsPassTheirPointerToTheSurface) {
  ObjectRef button = add(ObjectKind::Button, 10, 10, 100, 40);
  QWidget* widget = window->objectWidget(button);
  send(widget, QEvent::MouseButtonPress, {20, 20}, Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(state.activeObject, button);
  send(widget, QEvent::MouseMove, {60, 25}, Qt::NoButton, Qt::LeftButton);
  ASSERT_EQ(window->overlay()->outlines().outlines().size(), 1u);
  EXPECT_EQ(window->overlay()->outlines().outlines()[0].rect, QRect(50, 15, 100, 40));
  EXPECT_EQ(widget->cursor().shape(), Qt::SizeAllCursor);
  send(widget, QEvent::MouseButtonRelease, {60, 25}, Qt::LeftButton, Qt::NoButton);
  EXPECT_TRUE(window->overlay()->outlines().empty());
  EXPECT_EQ(at(button).left, 50);
  EXPECT_EQ(widget->geometry(), QRect(50, 15, 100, 40));
  EXPECT_TRUE(window->document().changed);
  send(widget, QEvent::MouseMove, {98, 20}, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(widget->cursor().shape(), Qt::SizeHorCursor);
  EXPECT_EQ(widget->toolTip(), "X=50,Y=15");
}

TEST_F(SurfaceEventsTest, ACheckBoxIsNotToggledAndAComboBoxNeverOpens) {
  ObjectRef check = add(ObjectKind::CheckBox, 10, 10, 100, 20);
  auto* box = static_cast<QCheckBox*>(window->objectWidget(check));
  drag(box, {30, 10}, {30, 10});
  send(box, QEvent::MouseButtonDblClick, {30, 10}, Qt::LeftButton, Qt::LeftButton);
  send(box, QEvent::MouseButtonRelease, {30, 10}, Qt::LeftButton, Qt::NoButton);
  EXPECT_FALSE(box->isChecked());
  EXPECT_EQ(state.activeObject, check);

  ObjectRef comboRef = add(ObjectKind::ComboBox, 10, 60, 120, 0);
  auto* combo = static_cast<QComboBox*>(window->objectWidget(comboRef));
  combo->addItem("a");
  drag(combo, {100, 5}, {140, 15});
  EXPECT_FALSE(combo->view()->isVisible());
  EXPECT_EQ(state.activeObject, comboRef);
  EXPECT_EQ(at(comboRef).left, 50);
  EXPECT_EQ(at(comboRef).top, 70);
  EXPECT_EQ(combo->pos(), QPoint(50, 70));
  EXPECT_FALSE(combo->hasFocus());
  // The text field inside the combo box lets the pointer through to it.
  EXPECT_TRUE(combo->lineEdit()->testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST_F(SurfaceEventsTest, ABandOverThreeLabelsMarksThemAndARightPressOffersTheObjectPopup) {
  ObjectRef a = add(ObjectKind::Label, 10, 10, 50, 20);
  add(ObjectKind::Label, 70, 10, 50, 20);
  add(ObjectKind::Label, 130, 10, 50, 20);
  drag(window, {5, 5}, {200, 40});
  EXPECT_TRUE(window->document().bandSelectionActive);
  EXPECT_EQ(state.activeObject, (ObjectRef{ObjectKind::Multiple, -1}));
  EXPECT_EQ(window->overlay()->outlines().outlines().size(), 3u);
  EXPECT_FALSE(window->popupItem(0)->isEnabled());
  EXPECT_FALSE(windows.mainWindow.toolButton(8)->isEnabled());

  bool copyOn = false;
  QTimer::singleShot(0, [&] {
    copyOn = window->popupItem(2)->isEnabled();
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  });
  send(window->objectWidget(a), QEvent::MouseButtonPress, {5, 5}, Qt::RightButton, Qt::RightButton);
  EXPECT_TRUE(copyOn);
  EXPECT_EQ(state.activeObject, a);

  // A press on the empty surface ends the selection; the click selects the menu.
  drag(window, {300, 200}, {300, 200});
  EXPECT_FALSE(window->document().bandSelectionActive);
  EXPECT_TRUE(window->overlay()->outlines().empty());
  EXPECT_EQ(state.activeObject, ObjectRef{});
  EXPECT_TRUE(window->popupItem(0)->isEnabled());
}

TEST_F(SurfaceEventsTest, AGroupDropMovesEveryWidgetAndLeavesTheWindowPaintingAgain) {
  window->show();
  std::vector<ObjectRef> labels;
  for (int left : {10, 70, 130}) labels.push_back(add(ObjectKind::Label, left, 10, 50, 20));
  drag(window, {5, 5}, {200, 40});
  ASSERT_TRUE(window->document().bandSelectionActive);
  QWidget* grabbed = window->objectWidget(labels[0]);
  send(grabbed, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
  send(grabbed, QEvent::MouseMove, {15, 10}, Qt::NoButton, Qt::LeftButton);
  EXPECT_TRUE(window->overlay()->holdsBackground()) << "the outlines move over a held picture";
  send(grabbed, QEvent::MouseMove, {25, 15}, Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(window->objectWidget(labels[1])->pos(), QPoint(70, 10)) << "nothing moves before the drop";
  send(grabbed, QEvent::MouseButtonRelease, {25, 15}, Qt::LeftButton, Qt::NoButton);

  EXPECT_FALSE(window->overlay()->holdsBackground());
  EXPECT_TRUE(window->updatesEnabled());
  for (ObjectRef ref : labels) EXPECT_TRUE(window->objectWidget(ref)->updatesEnabled());
  std::vector<QRect> marks;
  for (const auto& outline : window->overlay()->outlines().outlines()) marks.push_back(outline.rect);
  ASSERT_EQ(marks.size(), 3u);
  for (std::size_t i = 0; i < labels.size(); ++i) {
    EXPECT_EQ(window->objectWidget(labels[i])->pos(), QPoint(30 + 60 * static_cast<int>(i), 20));
    EXPECT_EQ(marks[i], window->objectWidget(labels[i])->geometry().adjusted(-2, -2, 2, 2));
  }
}

TEST_F(SurfaceEventsTest, WhatChangesDuringADragShowsAtOnceAndNoOutlineOutlivesItsDrag) {
  window->show();
  ObjectRef check = add(ObjectKind::CheckBox, 10, 10, 100, 20);
  ObjectRef label = add(ObjectKind::Label, 10, 60, 80, 20);
  window->document().find(label)->caption = "Pemo";
  window->objectChanged(label);
  std::vector<ObjectRef> buttons;
  for (int left : {150, 200}) buttons.push_back(add(ObjectKind::Button, left, 10, 40, 30));
  QApplication::processEvents();

  // Delete while the check box is dragged, then the release on the bare page.
  QWidget* box = window->objectWidget(check);
  press(box, {30, 10});
  moveHeld(box, {60, 40});
  ASSERT_TRUE(window->overlay()->holdsBackground());
  QTest::keyClick(window, Qt::Key_Delete);
  EXPECT_EQ(stalePixels(), 0) << "the deleted check box is gone from the screen";
  send(window, QEvent::MouseButtonRelease, {300, 200}, Qt::LeftButton, Qt::NoButton);
  EXPECT_TRUE(window->overlay()->outlines().empty()) << "its outline went with it";
  EXPECT_EQ(stalePixels(), 0);

  // A paste while the label is dragged shows the pasted label.
  state.activeObject = label;
  QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier);
  QWidget* text = window->objectWidget(label);
  press(text, {30, 10});
  moveHeld(text, {50, 30});
  QTest::keyClick(window, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(window->document().objects(ObjectKind::Label).count(), 2);
  EXPECT_EQ(stalePixels(), 0) << "the pasted label shows";
  moveHeld(text, {60, 35});
  // A right press ends the drag where it began; the popup closes untouched.
  QTimer::singleShot(0, [] {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  });
  send(text, QEvent::MouseButtonPress, {60, 35}, Qt::RightButton, Qt::LeftButton | Qt::RightButton);
  EXPECT_TRUE(window->overlay()->outlines().empty());
  send(text, QEvent::MouseButtonRelease, {60, 35}, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(at(label).left, 10);
  EXPECT_EQ(stalePixels(), 0);

  // A cut during a group drag takes the group off the screen.
  drag(window, {140, 5}, {260, 50});
  ASSERT_TRUE(window->document().bandSelectionActive);
  QWidget* grabbed = window->objectWidget(buttons[0]);
  press(grabbed, {5, 5});
  moveHeld(grabbed, {25, 45});
  QTest::keyClick(window, Qt::Key_X, Qt::ControlModifier);
  for (ObjectRef gone : buttons) EXPECT_EQ(window->document().find(gone), nullptr);
  moveHeld(grabbed, {35, 55});
  send(grabbed, QEvent::MouseButtonRelease, {35, 55}, Qt::LeftButton, Qt::NoButton);
  EXPECT_TRUE(window->overlay()->outlines().empty());
  EXPECT_EQ(stalePixels(), 0) << "the cut buttons are gone from the screen";
}

TEST_F(SurfaceEventsTest, AComboBoxThePopupTookThePointerFromShowsNoLitArrow) {
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  ObjectRef comboRef = add(ObjectKind::ComboBox, 10, 100, 120, 0);
  QWidget* combo = window->objectWidget(comboRef);
  QCursor::setPos(window->mapToGlobal(QPoint(300, 300)));
  QApplication::processEvents();
  const QImage unlit = testing::shownPixels(*window);
  // Lit by the pointer over its arrow button, which then went away while a drag held it:
  // no leave reaches the combo box, and the popup of a right press takes the pointer.
  combo->setAttribute(Qt::WA_UnderMouse);
  QHoverEvent enter(QEvent::HoverEnter, QPointF(110, 8), combo->mapToGlobal(QPointF(110, 8)), QPointF(-1, -1));
  QApplication::sendEvent(combo, &enter);
  QApplication::processEvents();
  ASSERT_GT(testing::differingPixels(testing::shownPixels(*window), unlit), 0);
  QTimer::singleShot(0, [] {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  });
  send(combo, QEvent::MouseButtonPress, {110, 8}, Qt::RightButton, Qt::RightButton);
  send(combo, QEvent::MouseButtonRelease, {110, 8}, Qt::RightButton, Qt::NoButton);
  QApplication::processEvents();
  EXPECT_FALSE(combo->underMouse());
  EXPECT_EQ(testing::differingPixels(testing::shownPixels(*window), unlit), 0) << "the arrow button is still lit";
}

TEST_F(SurfaceEventsTest, AnObjectRemovedFromItsOwnPopupLeavesTheWindowWorking) {
  ObjectRef label = add(ObjectKind::Label, 10, 10, 50, 20);
  QTimer::singleShot(0, [&] {
    window->document().deleteObject(label);
    window->objectRemoved(label);
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  });
  send(window->objectWidget(label), QEvent::MouseButtonPress, {5, 5}, Qt::RightButton, Qt::RightButton);
  QApplication::processEvents();
  EXPECT_EQ(window->objectWidget(label), nullptr);
  drag(window, {100, 100}, {100, 100});
  EXPECT_EQ(state.activeObject, ObjectRef{});
}

TEST_F(SurfaceEventsTest, TheObjectPopupsDeleteItemKeepsThePressedWidgetUntilItsPressIsOver) {
  ObjectRef label = add(ObjectKind::Label, 10, 10, 50, 20);
  ObjectRef other = add(ObjectKind::Label, 10, 40, 50, 20);
  QPointer<QWidget> pressed = window->objectWidget(label);
  // The window system goes on handling the press with its widget once the popup closes.
  bool aliveAfterDelete = false;
  QTimer::singleShot(0, [&] {
    window->popupItem(6)->trigger();
    aliveAfterDelete = !pressed.isNull();
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  });
  send(pressed, QEvent::MouseButtonPress, {5, 5}, Qt::RightButton, Qt::RightButton);
  EXPECT_TRUE(aliveAfterDelete);
  EXPECT_EQ(window->document().find(label), nullptr);
  EXPECT_EQ(window->objectWidget(label), nullptr);
  EXPECT_EQ(state.activeObject, ObjectRef{});
  ASSERT_FALSE(pressed.isNull());
  EXPECT_FALSE(pressed->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(pressed.isNull());
  send(window->objectWidget(other), QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(state.activeObject, other);
}

TEST_F(SurfaceEventsTest, ActivatingAnotherMenuWindowSelectsNothingAndEndsTheFirstOnesSelection) {
  add(ObjectKind::Label, 10, 10, 50, 20);
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  drag(window, {5, 5}, {100, 40});
  ASSERT_TRUE(window->document().bandSelectionActive);
  windows.workspace.run(EditorCommand::NewMenu, CommandSource::MainMenu);
  MenuWindow* second = windows.menuWindows.windows().at(1);
  ObjectRef label = second->document().addObject(ObjectKind::Label);
  second->objectAdded(label);
  second->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(second));
  EXPECT_EQ(state.activeObject, ObjectRef{});
  EXPECT_EQ(state.activeDocument, &second->document());
  EXPECT_FALSE(window->document().bandSelectionActive);
  EXPECT_TRUE(window->overlay()->outlines().empty());

  // A press on an object of the other window, before its activation arrives.
  ObjectRef first{ObjectKind::Label, 1};
  send(window->objectWidget(first), QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
  send(window->objectWidget(first), QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(state.activeDocument, &window->document());
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  EXPECT_EQ(state.activeObject, first);
}

}  // namespace
}  // namespace pemo::editor
