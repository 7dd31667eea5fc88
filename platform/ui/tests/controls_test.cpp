#include "platform/ui/controls.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <sys/resource.h>

namespace pemo::ui {
namespace {

long peakResidentMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

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

TEST(Controls, TheLargestButtonsAMenuMayHavePaintOnlyWhatIsShown) {
  // 32767 x 32767 is the most a menu file can ask; the desktop style would draw such a
  // panel through a picture of 4 GB.
  QWidget page;
  ControlLook look;
  look.caption = "x";
  look.geometry = {0, 0, 32767, 32767};
  QPushButton button(&page);
  QToolButton picture(&page);
  const long before = peakResidentMegabytes();
  for (QWidget* widget : {static_cast<QWidget*>(&button), static_cast<QWidget*>(&picture)}) {
    look.kind = widget == &button ? ControlKind::Button : ControlKind::PictureButton;
    applyLook(widget, look);
    QImage shown(200, 100, QImage::Format_ARGB32);
    shown.fill(Qt::transparent);
    widget->render(&shown, QPoint(), QRegion(0, 0, 200, 100));
    EXPECT_NE(shown.pixelColor(100, 50).alpha(), 0) << "the visible part is painted";
  }
  EXPECT_LT(peakResidentMegabytes() - before, 200);
}

}  // namespace
}  // namespace pemo::ui
