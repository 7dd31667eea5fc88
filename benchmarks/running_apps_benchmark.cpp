// How long the popup's running-programs submenu takes to prepare: 20 started programs
// among 200 top-level windows (each program with a dialog of its own listed before its
// window). On an X server (the xcb platform) the windows are real ones made here, else
// a desktop in memory stands in. Uses its own XDG_CONFIG_HOME. Target: under 50 ms.
#include <unistd.h>
#include <xcb/xcb.h>

#include <QApplication>
#include <QMenu>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>

#include "platform/process/tests/fake_programs.h"
#include "platform/ui/xcb_other_windows.h"
#include "runtime/shell/window/running_apps_menu.h"

namespace {

using namespace pemo;
namespace stdfs = std::filesystem;

constexpr int kPrograms = 20;
constexpr int kWindows = 200;

double medianMs(int runs, const std::function<void()>& work, double* worst = nullptr) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  if (worst) *worst = times.back();
  return times[times.size() / 2];
}

// The desktop's windows: per started program a dialog, then its window; the rest
// belong to other processes.
std::vector<ui::OtherWindow> plannedWindows(const std::vector<long>& pids) {
  std::vector<ui::OtherWindow> windows;
  for (int i = 0; i < kWindows - 2 * kPrograms; ++i)
    windows.push_back({0, 50000L + i, false, "other window " + std::to_string(i)});
  for (int i = 0; i < kPrograms; ++i) {
    windows.insert(windows.begin() + i * 7, {0, pids[i], true, "dialog " + std::to_string(i)});
    windows.insert(windows.begin() + i * 7 + 1, {0, pids[i], false, "ﾌﾟﾛｸﾞﾗﾑ " + std::to_string(i)});
  }
  return windows;
}

class MemoryDesktop : public ui::OtherWindowsPort {
 public:
  explicit MemoryDesktop(std::vector<ui::OtherWindow> windows) : windows_(std::move(windows)) {
    for (size_t i = 0; i < windows_.size(); ++i) windows_[i].id = static_cast<uint32_t>(i + 1);
  }
  std::vector<ui::OtherWindow> topLevelWindows() override { return windows_; }
  void bringToFront(uint32_t) override {}

 private:
  std::vector<ui::OtherWindow> windows_;
};

// The planned windows made on the X server, mapped, with their process ids and titles.
class XWindows {
 public:
  explicit XWindows(const std::vector<ui::OtherWindow>& planned) : c_(xcb_connect(nullptr, nullptr)) {
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c_)).data;
    const xcb_atom_t pid = atom("_NET_WM_PID"), name = atom("_NET_WM_NAME"), utf8 = atom("UTF8_STRING");
    xcb_window_t owner = 0;
    for (const ui::OtherWindow& window : planned) {
      const xcb_window_t id = xcb_generate_id(c_);
      xcb_create_window(c_, XCB_COPY_FROM_PARENT, id, screen->root, -50, -50, 10, 10, 0,
                        XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
      const uint32_t pidValue = static_cast<uint32_t>(window.pid);
      xcb_change_property(c_, XCB_PROP_MODE_REPLACE, id, pid, XCB_ATOM_CARDINAL, 32, 1, &pidValue);
      xcb_change_property(c_, XCB_PROP_MODE_REPLACE, id, name, utf8, 8, window.title.size(), window.title.data());
      if (window.hasParent) {
        if (!owner) owner = id;
        xcb_change_property(c_, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 32, 1, &owner);
      }
      xcb_map_window(c_, id);
      ids_.push_back(id);
    }
    std::free(xcb_get_input_focus_reply(c_, xcb_get_input_focus(c_), nullptr));  // all made
  }
  ~XWindows() {
    for (xcb_window_t id : ids_) xcb_destroy_window(c_, id);
    xcb_flush(c_);
    xcb_disconnect(c_);
  }

 private:
  xcb_atom_t atom(const char* name) {
    auto* reply = xcb_intern_atom_reply(c_, xcb_intern_atom(c_, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : 0;
    std::free(reply);
    return result;
  }
  xcb_connection_t* c_;
  std::vector<xcb_window_t> ids_;
};

}  // namespace

int main(int argc, char** argv) {
  const stdfs::path work = stdfs::temp_directory_path() / ("pemo-running-" + std::to_string(getpid()));
  setenv("XDG_CONFIG_HOME", (work / "config").c_str(), 1);
  {
    QApplication app(argc, argv);
    process::testing::FakePrograms programs;
    page::RegistryRunList list(4242);
    std::vector<long> pids;
    for (int i = 0; i < kPrograms; ++i) {
      const std::string link = "C:\\APP\\PROGRAM" + std::to_string(i) + ".EXE";
      pids.push_back(programs.start(link).pid);
      list.add(pids.back(), link);
    }
    const std::vector<ui::OtherWindow> planned = plannedWindows(pids);

    std::unique_ptr<XWindows> made;
    std::unique_ptr<ui::OtherWindowsPort> desktop;
    const bool onX = QGuiApplication::platformName() == QLatin1String("xcb");
    if (onX) {
      made = std::make_unique<XWindows>(planned);
      desktop = std::make_unique<ui::XcbOtherWindows>();
    } else {
      desktop = std::make_unique<MemoryDesktop>(planned);
    }
    shell::RunningPrograms running(list, programs, *desktop);
    QMenu submenu;
    shell::RunningAppsMenu menu(submenu, running);

    const size_t listed = desktop->topLevelWindows().size();
    double worst = 0;
    const double listing = medianMs(50, [&] { (void)desktop->topLevelWindows(); });
    const double items = medianMs(50, [&] { (void)running.items(); });
    const double popup = medianMs(50, [&] { menu.rebuild(); }, &worst);
    std::printf("running-programs submenu, %d started programs among %zu top-level windows (%s):\n", kPrograms,
                listed, onX ? "on the X server" : "desktop in memory; run under X for the real one");
    std::printf("  desktop listing %.2f ms, items found %.2f ms, submenu prepared %.2f ms (worst %.2f ms) "
                "with %lld items, the first \"%s\"; medians of 50; target 50 ms\n",
                listing, items, popup, worst, static_cast<long long>(submenu.actions().size()),
                submenu.actions().value(0) ? submenu.actions()[0]->text().toUtf8().constData() : "");
  }
  std::error_code ignored;
  stdfs::remove_all(work, ignored);
  return 0;
}
