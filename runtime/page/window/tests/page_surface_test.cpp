#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "platform/fs/windows_path.h"
#include "runtime/page/tests/page_fakes.h"
#include "runtime/page/window/tests/surface_fixture.h"

using namespace pemo::page;
using namespace pemo::page::testing;
using pemo::testing::TempDir;

namespace {

struct Surface : SurfaceFixture {
  QAbstractButton* button(int index) {
    return static_cast<QAbstractButton*>(surface.objectWidget(ObjectKind::Button, index));
  }
};

}  // namespace

TEST(PageSurface, ToggledButtonsShowTheirNumbers) {
  TempDir dir;
  Surface w;
  w.surface.openFirstMenu(writeMenu(dir / "S.FIL", buttons("s", {{"a.exe", 1}, {"b.exe", 1}, {"", 2}})));
  QTest::mouseClick(w.button(2), Qt::LeftButton);
  QTest::mouseClick(w.button(1), Qt::LeftButton);
  EXPECT_EQ(w.button(2)->text(), "1 b.exe");
  EXPECT_EQ(w.button(1)->text(), "2 a.exe");
  QTest::mouseClick(w.button(3), Qt::LeftButton);
  EXPECT_EQ(w.programs.started, (std::vector<std::string>{"b.exe", "a.exe"}));
  EXPECT_EQ(w.button(2)->text(), "b.exe");
  EXPECT_TRUE(w.button(1)->isEnabled());
}

// Each page shows its pictures as the files are when it opens, by their contents: the
// pictures read while one page was built are not what the next page shows.
TEST(PageSurface, EachPageShowsItsPicturesAsTheyAreWhenItOpens) {
  TempDir dir;
  Surface w;
  const std::string picture = pemo::fs::toWindowsPath((dir / "p.bmp").string());
  std::vector<std::string> lines{"BEGIN MENU", "END MENU"};
  for (int i = 0; i < 3; ++i)
    for (const char* kind : {"PICTUREBUTTON", "IMAGE"})
      lines.insert(lines.end(), {std::string("BEGIN ") + kind, "PICTURE=" + picture, std::string("END ") + kind});
  const std::string menu = writeMenu(dir / "P.FIL", lines);
  for (int side : {4, 6}) {
    QImage file(side, side, QImage::Format_RGB32);
    file.fill(Qt::red);
    ASSERT_TRUE(file.save(QString::fromStdString((dir / "p.bmp").string()), side == 4 ? "PNG" : "JPG"));
    std::filesystem::last_write_time(dir / "p.bmp", std::filesystem::file_time_type::clock::now() +
                                                        std::chrono::seconds(side));  // however coarse the clock
    w.surface.openFirstMenu(menu);
    for (int index = 1; index <= 3; ++index) {
      auto* button = static_cast<QToolButton*>(w.surface.objectWidget(ObjectKind::PictureButton, index));
      auto* image = static_cast<QLabel*>(w.surface.objectWidget(ObjectKind::Image, index));
      ASSERT_TRUE(button && image);
      EXPECT_EQ(button->iconSize(), QSize(side, side)) << index;
      EXPECT_EQ(image->pixmap().size(), QSize(side, side)) << index;
    }
  }
}

TEST(PageSurface, ScrollBarsMoveThePageObjects) {
  TempDir dir;
  Surface w;
  w.surface.showTreePane(false);  // objects at their file positions
  w.surface.openFirstMenu(writeMenu(dir / "W.FIL", {"BEGIN MENU", "END MENU", "BEGIN LABEL", "CAPTION=far",
                                                   "LEFT=300", "TOP=20", "WIDTH=1200", "HEIGHT=900", "END LABEL",
                                                   "BEGIN FRAME", "LEFT=10", "TOP=10", "WIDTH=100", "HEIGHT=100",
                                                   "END FRAME", "BEGIN BUTTON", "PARENT=1", "LEFT=5", "TOP=15",
                                                   "WIDTH=50", "HEIGHT=20", "END BUTTON"}));
  w.surface.relayout();  // the second pass settles both bars
  QScrollBar* hsc = w.surface.horizontalBar();
  QScrollBar* vsc = w.surface.verticalBar();
  ASSERT_TRUE(hsc->isVisible());
  ASSERT_TRUE(vsc->isVisible());
  QWidget* label = w.surface.objectWidget(ObjectKind::Label, 1);
  hsc->setValue(40);
  vsc->setValue(15);
  EXPECT_EQ(label->x(), 260);
  EXPECT_EQ(label->y(), 5);
  EXPECT_EQ(w.button(1)->x(), 5) << "an object in a frame moves with its frame only";
  EXPECT_EQ(w.surface.objectWidget(ObjectKind::Frame, 1)->x(), -30);

  // A window large enough hides the bars and scrolls the page back.
  w.window.resize(1800, 1400);
  QApplication::processEvents();
  w.surface.relayout();
  EXPECT_FALSE(hsc->isVisible());
  EXPECT_FALSE(vsc->isVisible());
  EXPECT_EQ(label->x(), 300);
  EXPECT_EQ(label->y(), 20);
  EXPECT_EQ(w.page.state().scrollX, 0);
}

TEST(PageSurface, TreePaneToggleShiftsThePage) {
  TempDir dir;
  Surface w;
  w.surface.openFirstMenu(writeMenu(dir / "T.FIL", buttons("t", {{"x.exe", 0}})));
  EXPECT_EQ(w.button(1)->x(), 214);
  w.surface.showTreePane(false);
  EXPECT_EQ(w.button(1)->x(), 10);
  w.surface.showTreePane(true);
  EXPECT_EQ(w.button(1)->x(), 214);
}

TEST(PageSurface, NoObjectAnswersWhileTheSelectionRuns) {
  TempDir dir;
  Surface w;
  auto label = [](const std::string& caption, int top, const std::string& link, int style) {
    return std::vector<std::string>{"BEGIN LABEL", "CAPTION=" + caption, "LEFT=10", "TOP=" + std::to_string(top),
                                    "WIDTH=120", "HEIGHT=20", "LINK=" + link, "STYLE=" + std::to_string(style),
                                    "ONCURSORCOLOR=ff", "END LABEL"};
  };
  std::vector<std::string> lines{"BEGIN MENU", "CAPTION=s", "END MENU"};
  for (auto block : {label("A", 10, "a.exe", 1), label("C", 40, "c.exe", 1), label("run", 70, "", 2)})
    lines.insert(lines.end(), block.begin(), block.end());
  lines.insert(lines.end(), {"BEGIN IMAGE", "LEFT=10", "TOP=100", "WIDTH=40", "HEIGHT=30", "LINK=img.exe",
                             "END IMAGE"});
  w.surface.openFirstMenu(writeMenu(dir / "S.FIL", lines));
  auto widget = [&](ObjectKind kind, int index) { return w.surface.objectWidget(kind, index); };
  QTest::mouseClick(widget(ObjectKind::Label, 1), Qt::LeftButton, {}, QPoint(3, 3));
  ASSERT_EQ(w.page.objects().find(ObjectKind::Label, 1)->caption, "1 A");

  std::string statusWhileRunning;
  w.programs.onWait = [&]() {
    for (ObjectKind kind : {ObjectKind::Label, ObjectKind::Image})
      EXPECT_FALSE(widget(kind, 1)->isEnabled()) << "every object kind is locked";
    QWidget* other = widget(ObjectKind::Label, 2);
    QTest::mouseMove(other, QPoint(3, 3));
    QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseMove(widget(ObjectKind::Image, 1), QPoint(3, 3));
    QTest::mouseClick(widget(ObjectKind::Image, 1), Qt::LeftButton, {}, QPoint(3, 3));
    statusWhileRunning = w.window.status;
  };
  QTest::mouseClick(widget(ObjectKind::Label, 3), Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_EQ(statusWhileRunning, "1 Aを実行中・・・") << "the run's status text stays";
  EXPECT_EQ(w.programs.started, std::vector<std::string>{"a.exe"});
  EXPECT_EQ(w.page.objects().find(ObjectKind::Label, 2)->caption, "C") << "the other label did not join the run";
  EXPECT_TRUE(w.page.selection().empty());
  EXPECT_TRUE(widget(ObjectKind::Label, 2)->isEnabled());
}

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

std::vector<std::string> overlappingPage(const char* caption) {
  return {"BEGIN MENU", "END MENU",
          "BEGIN LABEL", "CAPTION=" + std::string(caption), "LEFT=20", "TOP=20", "WIDTH=100", "HEIGHT=20", "END LABEL",
          "BEGIN IMAGE", "LEFT=10", "TOP=10", "WIDTH=200", "HEIGHT=100", "END IMAGE",
          "BEGIN FRAME", "LEFT=300", "TOP=10", "WIDTH=150", "HEIGHT=100", "BACKCOLOR=C0FFC0", "END FRAME",
          "BEGIN BUTTON", "PARENT=1", "LEFT=10", "TOP=30", "WIDTH=80", "HEIGHT=24", "END BUTTON"};
}

}  // namespace

// The page is built inside a window already on the screen, then painted as a whole.
TEST(PageSurface, APageOpenedInAShownWindowShowsItsObjectsInOrderPaintsThemAndKeepsTheKeyboard) {
  TempDir dir;
  Surface w;
  QWidget* tree = w.window.findChild<QWidget*>("TV");
  tree->setFocusPolicy(Qt::StrongFocus);
  w.window.activateWindow();
  tree->setFocus();
  ASSERT_TRUE(tree->hasFocus());

  for (const char* caption : {"first", "second"}) {
    w.surface.openFirstMenu(writeMenu(dir / (std::string(caption) + ".FIL"), overlappingPage(caption)));
    QWidget* label = w.surface.objectWidget(ObjectKind::Label, 1);
    QWidget* image = w.surface.objectWidget(ObjectKind::Image, 1);
    QWidget* frame = w.surface.objectWidget(ObjectKind::Frame, 1);
    ASSERT_TRUE(label && image && frame && w.button(1));
    EXPECT_EQ(static_cast<QLabel*>(label)->text(), caption);
    for (QWidget* object : {label, image, frame, static_cast<QWidget*>(w.button(1))})
      EXPECT_TRUE(object->isVisible()) << caption;
    EXPECT_TRUE(w.surface.isVisible());
    EXPECT_TRUE(w.surface.updatesEnabled());
    EXPECT_EQ(w.button(1)->parentWidget(), frame) << "an object in a frame lies in its frame";
    // The picture lies behind the label that was read before it.
    EXPECT_EQ(w.surface.childAt(label->geometry().center()), label);
    EXPECT_EQ(w.surface.childAt(QPoint(image->x() + 150, image->y() + 80)), image);
    EXPECT_TRUE(tree->hasFocus()) << "opening a page took the keyboard from the tree";
    EXPECT_TRUE(tree->isVisible());
    QWidget* atTree = w.surface.childAt(tree->geometry().center());
    EXPECT_TRUE(atTree == tree || tree->isAncestorOf(atTree)) << "an object lies above the tree pane";

    PaintCounter labelPaints, buttonPaints;
    label->installEventFilter(&labelPaints);
    w.button(1)->installEventFilter(&buttonPaints);
    for (int i = 0; i < 20 && (labelPaints.paints == 0 || buttonPaints.paints == 0); ++i) QTest::qWait(10);
    QTest::qWait(20);
    EXPECT_EQ(labelPaints.paints, 1) << "the page was not painted once after it opened";
    EXPECT_GT(buttonPaints.paints, 0) << "an object in a frame that fills its background was not painted";
  }
}
