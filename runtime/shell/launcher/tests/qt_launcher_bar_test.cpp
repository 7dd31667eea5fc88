#include "runtime/shell/launcher/qt_launcher_bar.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QIcon>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/fs/windows_path.h"
#include "platform/profile/private_profile.h"
#include "platform/registry/registry.h"
#include "runtime/messages.h"
#include "runtime/page/runtime_registry_key.h"
#include "runtime/shell/launcher/qt_launcher_hooks.h"
#include "runtime/shell/launcher/tests/launcher_fakes.h"
#include "runtime/shell/run_info_file.h"
#include "runtime/shell/view_settings.h"
#include "runtime/shell/window/tests/window_fixture.h"

namespace pemo::shell::launcher {
namespace {

namespace stdfs = std::filesystem;
using testing::storeLaunchValue;

bool keyExists(const std::string& subKey) {
  registry::Key key = 0;
  if (registry::openKey(registry::kUsers, std::string(page::kRuntimeRegistryKey) + subKey, key) != registry::kSuccess)
    return false;
  registry::closeKey(key);
  return true;
}

void sendMouse(QWidget* to, QEvent::Type type, QPoint local, Qt::MouseButton button, Qt::MouseButtons buttons) {
  QMouseEvent event(type, QPointF(local), QPointF(to->mapToGlobal(local)), button, buttons, Qt::NoModifier);
  QApplication::sendEvent(to, &event);
}

// The left button pressed at `from` in the bar, moved by `by` and released there.
void dragBar(QWidget* bar, QPoint from, QPoint by) {
  sendMouse(bar, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
  sendMouse(bar, QEvent::MouseMove, from + by, Qt::NoButton, Qt::LeftButton);
  sendMouse(bar, QEvent::MouseMove, from + by, Qt::NoButton, Qt::LeftButton);
  sendMouse(bar, QEvent::MouseButtonRelease, from + by, Qt::LeftButton, Qt::NoButton);
}

class QtLauncherBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = stdfs::path(std::getenv("XDG_CONFIG_HOME")) / "app";
    stdfs::create_directories(folder_ / "PemoUser");
    runtime_.appFolder = fs::toWindowsPath(folder_.string()) + "\\";
  }
  QUrl makeFile(const std::string& name) {
    std::ofstream(folder_ / name) << "x";
    return QUrl::fromLocalFile(QString::fromStdString((folder_ / name).string()));
  }

  stdfs::path folder_;
  page::RuntimeState runtime_;
  testing::FakeLauncherHost host_;
  process::testing::FakePrograms programs_;
};

TEST_F(QtLauncherBarTest, DroppedFilesBecomeButtons) {
  runtime_.runList = {{"Old", "C:\\old.exe"}};
  QtLauncherBar bar(runtime_, host_, programs_);
  bar.logic().load();
  bar.show();
  QMimeData mime;
  mime.setUrls({makeFile("one.exe"), makeFile("readme.txt"), makeFile("two.BAT"), makeFile("photo.jpg"),
                makeFile("three.com")});
  // The drop goes where the drag entered.
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&bar, &enter);
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&bar, &drop);
  EXPECT_TRUE(drop.isAccepted());
  ASSERT_EQ(runtime_.runList.size(), 4u);
  const std::string file = runtime_.appFolder + "PemoUser\\PEMORUN.DAT";
  EXPECT_EQ(profile::readProfileString("App", "App1", "", file).substr(0, 8), "one.exe,");
  EXPECT_EQ(profile::readProfileString("App", "App3", "", file).substr(0, 10), "three.com,");
  ASSERT_NE(bar.button(5), nullptr);
  EXPECT_EQ(bar.button(5)->toolTip(), "three.com");
  EXPECT_EQ(bar.size(), QSize(barLength(6, kLargeButton), 54));

  // A click starts the button's command line.
  sendMouse(bar.button(2), QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
  sendMouse(bar.button(2), QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(programs_.started, (std::vector<std::string>{"C:\\old.exe"}));
  EXPECT_FALSE(bar.logic().dragging());
}

TEST_F(QtLauncherBarTest, AHiddenBarsButtonsGetTheirPicturesWhenItShows) {
  QtLauncherBar bar(runtime_, host_, programs_);
  bar.logic().load();
  ASSERT_NE(bar.button(1), nullptr);
  EXPECT_TRUE(bar.button(1)->pixmap().isNull());
  bar.show();
  EXPECT_FALSE(bar.button(1)->pixmap().isNull()) << "the folder picture of the Explorer button";

  // Buttons made while the bar shows get theirs at once.
  bar.logic().load();
  ASSERT_NE(bar.button(1), nullptr);
  EXPECT_FALSE(bar.button(1)->pixmap().isNull());
}

TEST_F(QtLauncherBarTest, EntriesWithoutAPictureOfTheirOwnShowAProgramPicture) {
  // A program found on the search path and a command line with arguments; with the
  // icon theme there is, and with one that has nothing.
  runtime_.runList = {{"clock", "xclock"}, {"top", "xterm -e top"}};
  const QString theme = QIcon::themeName();
  for (const QString& tried : {theme, QString("no-such-theme")}) {
    QIcon::setThemeName(tried);
    QtLauncherBar bar(runtime_, host_, programs_);
    bar.logic().load();
    bar.show();
    for (int index : {2, 3}) {
      ASSERT_NE(bar.button(index), nullptr);
      EXPECT_FALSE(bar.button(index)->pixmap().isNull()) << index << " " << tried.toStdString();
    }
  }
  QIcon::setThemeName(theme);
}

TEST_F(QtLauncherBarTest, PopupFollowsTheButtonAndTheSettings) {
  storeLaunchValue("ButtonSize", "20");
  runtime_.runList = {{"A", "C:\\a.exe"}};
  QtLauncherBar bar(runtime_, host_, programs_);
  bar.logic().load();
  EXPECT_EQ(bar.size(), QSize(barLength(3, kSmallButton), 30));
  QMenu* popup = bar.preparePopup(1);
  EXPECT_FALSE(bar.popupItem(8)->isEnabled());  // the Explorer button stays
  EXPECT_EQ(popup->defaultAction(), bar.popupItem(7));
  EXPECT_TRUE(bar.popupItem(7)->font().bold());
  EXPECT_TRUE(bar.sizeItem(kSmallButton)->isChecked());
  EXPECT_FALSE(bar.sizeItem(kLargeButton)->isChecked());
  bar.preparePopup(2);
  EXPECT_TRUE(bar.popupItem(8)->isEnabled());
  EXPECT_EQ(bar.popupItem(99)->text(), "ﾗﾝﾁｬを閉じる(&X)");
  bar.popupItem(1)->trigger();  // docked: the orientation cannot change
  bar.preparePopup(0);
  EXPECT_FALSE(bar.popupItem(8)->isEnabled());
  EXPECT_FALSE(bar.popupItem(2)->isEnabled());

  for (const char* stored : {"", "0"}) {
    storeLaunchValue("ButtonSize", stored);
    QtLauncherBar other(runtime_, host_, programs_);
    other.logic().load();
    other.preparePopup(0);
    EXPECT_TRUE(other.sizeItem(kLargeButton)->isChecked()) << stored;
    EXPECT_FALSE(other.sizeItem(kSmallButton)->isChecked()) << stored;
  }
}

TEST_F(QtLauncherBarTest, DeletingTheRightClickedButtonFromItsOwnPopup) {
  runtime_.runList = {{"A", "C:\\a.exe"}, {"B", "C:\\b.exe"}};
  QtLauncherBar bar(runtime_, host_, programs_);
  bar.logic().load();
  bar.show();
  // The popup runs inside the button's own mouse event; the rebuild that "削除(&D)"
  // causes must not pull the button out from under that event.
  QTimer::singleShot(0, [&bar] {
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(popup, nullptr);
    bar.popupItem(8)->trigger();
    popup->close();
  });
  QTest::mouseClick(bar.button(2), Qt::RightButton, {}, QPoint(5, 5));
  ASSERT_EQ(runtime_.runList.size(), 1u);
  EXPECT_EQ(runtime_.runList[0].caption, "B");
  QTest::mouseClick(bar.button(2), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(programs_.started, (std::vector<std::string>{"C:\\b.exe"}));
}

TEST_F(QtLauncherBarTest, MouseDragsMoveTheBar) {
  storeLaunchValue("Left", "1500");
  storeLaunchValue("Top", "1500");
  runtime_.runList = {{"A", "C:\\a.exe"}, {"B", "C:\\b.exe"}, {"C", "C:\\c.exe"}};
  QtLauncherBar bar(runtime_, host_, programs_);
  bar.logic().load();
  bar.show();
  // Undocked, the bar follows the displacement.
  dragBar(&bar, {2, 50}, {60, 40});
  EXPECT_EQ(bar.pos(), QPoint(160, 140));

  // Docked to the top and dragged to 10 % / 30 % of the screen: rebuilt vertically at
  // the left edge.
  bar.popupItem(1)->trigger();
  EXPECT_EQ(bar.geometry(), QRect(160, 0, 176, 10));
  const ui::ScreenSize screen = bar.screenSize();
  const QPoint target(screen.width / 10, screen.height * 3 / 10);
  sendMouse(&bar, QEvent::MouseMove, {20, 5}, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(bar.logic().hoverState(), Hover::Expanded);
  EXPECT_EQ(bar.geometry(), QRect(160, 0, 176, 54));
  dragBar(&bar, {20, 5}, target - QPoint(160, 0) - QPoint(20, 5));
  EXPECT_EQ(bar.logic().settings().orientation, Orientation::Vertical);
  EXPECT_EQ(bar.geometry(), QRect(0, target.y() - 5, 54, 176));
  EXPECT_EQ(bar.button(2)->geometry(), QRect(4, 45, 36, 36));
  EXPECT_TRUE(bar.button(2)->isVisible());
  // The pointer away: the watch's next look collapses the bar to its strip.
  bar.logic().hoverTick(screen.width / 2, screen.height / 2);
  EXPECT_EQ(bar.geometry(), QRect(0, target.y() - 5, 10, 176));
  EXPECT_FALSE(bar.button(2)->isVisible());
}

TEST(QtLauncherHooks, LauncherOnlyCloseEndsTheProgramUnlessItsProgramsRun) {
  storeLaunchValue("HideMenu", "1");
  shell::testing::WindowFixture f;
  const stdfs::path folder = stdfs::path(std::getenv("XDG_CONFIG_HOME")) / "app";
  stdfs::create_directories(folder / "PemoUser");
  f.runtime.appFolder = fs::toWindowsPath(folder.string()) + "\\";
  f.runtime.runList = {{"Kept", "C:\\kept.exe"}};
  LauncherHooks hooks(f.window, f.window, f.runtime, f.programs);
  hooks.attachShell(*f.shell);
  hooks.createLauncher(false);
  QtLauncherBar* bar = hooks.bar();
  EXPECT_TRUE(bar->isVisible());  // the only window shows whatever ShowLaunch says
  EXPECT_FALSE(f.window.isVisible());
  EXPECT_EQ(bar->preparePopup(0)->actions().last()->text(), "終了(&X)");

  const std::string runKey = "\\Run\\" + std::to_string(f.window.registryHandle());
  f.links.runProgram("C:\\busy.exe");
  ASSERT_TRUE(keyExists(runKey));
  bar->popupItem(99)->trigger();
  ASSERT_EQ(f.messages.shown.size(), 1u);
  EXPECT_EQ(f.messages.shown[0].prompt, runtime_messages::kCloseProgramsFirst);
  EXPECT_TRUE(bar->isVisible());
  EXPECT_TRUE(keyExists(runKey));

  f.programs.finishAll();
  bar->popupItem(99)->trigger();
  EXPECT_EQ(f.messages.shown.size(), 1u);
  EXPECT_FALSE(bar->isVisible());
  EXPECT_FALSE(keyExists(runKey));   // the clean-up ran
  EXPECT_TRUE(hasStoredWindowRect());  // with the view settings
  EXPECT_TRUE(loadLauncherSettings().hideMenu);
  EXPECT_EQ(readRunInfo(runInfoFile(f.runtime.appFolder)).size(), 1u);  // and the run list
}

}  // namespace
}  // namespace pemo::shell::launcher
