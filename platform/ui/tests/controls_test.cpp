#include "platform/ui/controls.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QMouseEvent>
#include <QPointer>

namespace pemo::ui {
namespace {

TEST(Controls, AClickedLabelTakesItsReleaseEvenWhenItIsDeletedByTheClick) {
  // Qt offers an unhandled release to the widget's parents, reading the widget as it
  // goes; a label deleted by its own click must mark the release as handled.
  QWidget parent;
  auto* label = new ClickableLabel(&parent);
  label->resize(40, 20);
  QObject::connect(label, &ClickableLabel::clicked, label, [label] { delete label; });
  QPointer<ClickableLabel> alive = label;
  const QPointF at(3, 3);
  QMouseEvent press(QEvent::MouseButtonPress, at, label->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
  QApplication::sendEvent(label, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, label->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, {});
  release.ignore();
  static_cast<QObject*>(label)->event(&release);  // not through the application: see above
  EXPECT_TRUE(alive.isNull());
  EXPECT_TRUE(release.isAccepted());
}

TEST(Controls, ChoicesAndFramesPaintTheirBackColour) {
  QWidget page;
  ControlLook look;
  look.caption = "x";
  look.geometry = {0, 0, 120, 24};
  look.backColor = 0x00FFFF;  // yellow
  QCheckBox check(&page);
  QRadioButton radio(&page);
  QGroupBox frame(&page);
  const std::pair<QWidget*, ControlKind> controls[] = {
      {&check, ControlKind::CheckBox}, {&radio, ControlKind::Radio}, {&frame, ControlKind::Frame}};
  for (auto [widget, kind] : controls) {
    look.kind = kind;
    applyLook(widget, look);
    const QImage painted = widget->grab().toImage();
    EXPECT_EQ(painted.pixelColor(painted.width() - 3, painted.height() / 2), QColor(Qt::yellow))
        << static_cast<int>(kind);
  }
}

}  // namespace
}  // namespace pemo::ui
