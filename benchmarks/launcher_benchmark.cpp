// Prints what the launcher bar costs: rebuilding its buttons (loadAppIcon) for 21 run-list
// entries, showing, hiding, expanding and collapsing it, and the CPU that a pemo with a
// docked bar takes while idle for 10 s. Uses its own XDG_CONFIG_HOME.
//
//   launcher_benchmark        (under X, e.g. Xvfb; pemo is taken from beside it)
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "platform/fs/windows_path.h"
#include "platform/process/tests/fake_programs.h"
#include "platform/registry/registry.h"
#include "runtime/page/runtime_registry_key.h"
#include "runtime/shell/launcher/qt_launcher_bar.h"

namespace {

namespace stdfs = std::filesystem;
using namespace pemo;

struct NoHost : shell::launcher::LauncherHost {
  void showRuntimeWindow(bool) override {}
  bool closeRuntimeWindow() override { return true; }
  void endProgram() override {}
  void checkOffShowLaunch() override {}
  void editRunMenu() override {}
  void editRunInfo() override {}
};

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

template <class F>
double timedMs(F f) {
  QElapsedTimer t;
  t.start();
  f();
  return t.nsecsElapsed() / 1e6;
}

void setText(const std::string& subKey, const char* name, const char* text) {
  registry::Key key = 0;
  registry::createKey(registry::kUsers, std::string(page::kRuntimeRegistryKey) + subKey, "", key);
  registry::setValue(key, name, registry::kString, text);
  registry::closeKey(key);
}

// The CPU seconds (user and system) a process has used so far.
double cpuSeconds(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  std::getline(stat, line);
  std::istringstream fields(line.substr(line.rfind(')') + 2));
  std::string field;
  unsigned long user = 0, system = 0;
  for (int i = 3; i <= 15 && fields >> field; ++i) {
    if (i == 14) user = std::stoul(field);
    if (i == 15) system = std::stoul(field);
  }
  return double(user + system) / sysconf(_SC_CLK_TCK);
}

}  // namespace

int main(int argc, char** argv) {
  const stdfs::path work = stdfs::temp_directory_path() / ("pemo-launcher-" + std::to_string(getpid()));
  stdfs::create_directories(work / "files");
  setenv("XDG_CONFIG_HOME", (work / "config").c_str(), 1);
  QApplication app(argc, argv);

  page::RuntimeState runtime;
  runtime.explorerPath = "C:\\WINDOWS\\explorer.exe";
  const char* kinds[] = {"tool", "notes.txt", "page.html", "picture.png", "data.csv", "script.sh", "archive.zip"};
  for (int i = 0; i < 21; ++i) {
    stdfs::path file = work / "files" / (std::to_string(i) + kinds[i % 7]);
    std::ofstream(file) << "x";
    runtime.runList.push_back({file.filename().string(), fs::toWindowsPath(file.string())});
  }
  NoHost host;
  process::testing::FakePrograms programs;
  shell::launcher::QtLauncherBar bar(runtime, host, programs);
  auto& logic = bar.logic();
  const double settings = timedMs([] { (void)shell::launcher::loadLauncherSettings(); });
  const double firstLoad = timedMs([&] { logic.load(); });
  // In pemo the runtime window has shown first: the first window's costs (fonts, style)
  // are paid by then. A small window stands in for it here.
  QWidget first;
  const double firstWindow = timedMs([&] {
    first.show();
    (void)QTest::qWaitForWindowExposed(&first);
  });
  const double firstShow = timedMs([&] {
    bar.show();
    (void)QTest::qWaitForWindowExposed(&bar);
  });
  // After it, a bare tool window of 22 labels, as a yardstick of this X server.
  QWidget bare(nullptr, Qt::Tool | Qt::FramelessWindowHint);
  for (int i = 0; i < 22; ++i) (new QLabel(QString::number(i), &bare))->setGeometry(4 + 41 * i, 4, 36, 36);
  bare.resize(22 * 41 + 8, 54);
  const double bareShow = timedMs([&] {
    bare.show();
    (void)QTest::qWaitForWindowExposed(&bare);
  });
  bar.hide();
  QApplication::processEvents();
  std::vector<double> loads, shows, hides, expands, collapses;
  for (int i = 0; i < 20; ++i) {
    loads.push_back(timedMs([&] { logic.loadAppIcon(); }));
    shows.push_back(timedMs([&] {
      bar.show();
      (void)QTest::qWaitForWindowExposed(&bar);
    }));
    QApplication::processEvents();
    hides.push_back(timedMs([&] {
      bar.hide();
      QApplication::processEvents();
    }));
  }
  bar.show();
  (void)QTest::qWaitForWindowExposed(&bar);
  logic.toggleEdgeDock();
  for (int i = 0; i < 20; ++i) {
    expands.push_back(timedMs([&] {
      logic.expandBar();
      QApplication::processEvents();
    }));
    collapses.push_back(timedMs([&] {
      logic.collapseBar();
      QApplication::processEvents();
    }));
  }
  std::printf("settings read %.2f ms; loadAppIcon, 21 entries: first (the icon theme and types read) %.2f ms, "
              "median of 20 %.2f ms\n", settings, firstLoad, median(loads));
  std::printf("the process's first window %.2f ms; a bare tool window of 22 labels first shows in %.2f ms, the bar in %.2f ms; show %.2f ms, hide %.2f ms, expand %.2f ms, collapse %.2f ms (medians of 20)\n", firstWindow,
              bareShow, firstShow, median(shows), median(hides), median(expands), median(collapses));

  // pemo idle with a docked bar: the bar shown, docked to the top edge.
  setText("\\SW", "ShowLaunch", "1");
  setText("\\Launch", "Edge", "1");
  const stdfs::path pemo = stdfs::path(QCoreApplication::applicationDirPath().toStdString()) / "pemo";
  pid_t child = fork();
  if (child == 0) {
    execl(pemo.c_str(), pemo.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  std::this_thread::sleep_for(std::chrono::seconds(3));
  const double before = cpuSeconds(child);
  std::this_thread::sleep_for(std::chrono::seconds(10));
  const double used = cpuSeconds(child) - before;
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  std::printf("pemo idle with a docked bar: %.3f s of CPU over 10 s (%.2f %% of a CPU)\n", used, used * 10);
  stdfs::remove_all(work);
  return 0;
}
