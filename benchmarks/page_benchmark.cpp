// Prints how long the runtime takes to read and build a page of 1000 objects, how long
// `pemo` takes from its start to the first painted page beside a bare Qt window, and
// how long it takes with pages of many objects beside a bare Qt program that shows the
// same widgets.
//
//   page_benchmark [--sizes=1000,5000,10000,20000]   (under X or QT_QPA_PLATFORM=offscreen)
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "benchmarks/child_run.h"
#include "benchmarks/grid_page.h"
#include "menufile/lines.h"
#include "platform/process/qt_programs.h"
#include "runtime/page/menu_page.h"
#include "runtime/page/registry_run_list.h"
#include "runtime/shell/window/runtime_window.h"
#include "runtime/shell/window/window_script.h"

namespace {

using namespace pemo::page;
using namespace pemo::benchmarks;

// A menu without a script.
class NoScript : public ScriptPort {
 public:
  void loadScript(const MenuScriptSource&) override {}
  void closeScript() override {}
  bool scriptLoaded() const override { return false; }
  void fireScriptEvent(ObjectKind, int, pemo::menufile::ScriptEvent) override {}
  bool scriptRunning() const override { return false; }
};

// A page without widgets: only the reading and the page logic are timed.
class NoView : public PageView {
 public:
  void setStatusText(const std::string&) override {}
  void setPointer(MousePointer) override {}
  void setOpening(bool) override {}
  void yieldToEvents() override {}
  bool treePaneShown() const override { return false; }
  int splitterLeft() const override { return 200; }
  int splitterWidth() const override { return 4; }
  void setCaption(const std::string&) override {}
  void setBackColor(std::uint32_t) override {}
  int tileBackground(const std::string&) override { return 1; }
  bool isPicture(const std::string&) override { return true; }
  void objectLoaded(const PageObject&) override {}
  void objectChanged(const PageObject&) override {}
  void objectsMoved() override {}
  void pageCleared() override {}
  void raiseFixedControls() override {}
  void relayout() override {}
  void enablePage(bool) override {}
  void closeWindow() override {}
};

// 1000 objects of every kind on a grid, as the editor writes them.
std::string writeLargeMenu(const std::filesystem::path& folder) {
  const char* kinds[] = {"LABEL", "LABEL", "LABEL", "BUTTON", "BUTTON", "PICTUREBUTTON", "IMAGE", "RADIO",
                         "CHECKBOX", "COMBOBOX"};
  std::vector<std::string> lines{"BEGIN MENU", "    CAPTION=1000", "    BACKCOLOR=FFFFFF", "    UNLOADMODE=0",
                                 "    TILINGIMAGE=", "END MENU"};
  for (int i = 0; i < 1000; ++i) {
    std::string kind = kinds[i % 10];
    lines.insert(lines.end(), {"", "BEGIN " + kind, "    INDEX=" + std::to_string(i / 10 + 1),
                               "    CAPTION=ｵﾌﾞｼﾞｪｸﾄ " + std::to_string(i),
                               "    LEFT=" + std::to_string(10 + (i % 10) * 110),
                               "    TOP=" + std::to_string(10 + (i / 10) * 30), "    WIDTH=100", "    HEIGHT=24",
                               "    FORECOLOR=0", "    FONTNAME=ＭＳ Ｐゴシック", "    FONTSIZE=9",
                               "    FONTBOLD=False", "    FONTITALIC=False", "    FONTUNDERLINE=False",
                               "    LINK=prog.exe /a", "    STYLE=0", "END " + kind});
  }
  auto file = folder / "LARGE.FIL";
  std::ofstream(file, std::ios::binary) << pemo::menufile::encodeLines(lines);
  return file.string();
}

std::string writeGridMenu(const std::filesystem::path& folder, int n, const std::string& picture) {
  const char* kinds[] = {"LABEL", "BUTTON", "PICTUREBUTTON", "FRAME"};
  // The picture as a Windows path: drive C: stands for the root folder.
  std::string windowsPicture = "C:" + picture;
  std::replace(windowsPicture.begin(), windowsPicture.end(), '/', '\\');
  std::vector<std::string> lines{"BEGIN MENU", "    CAPTION=" + std::to_string(n), "    BACKCOLOR=FFFFFF",
                                 "    UNLOADMODE=0", "    TILINGIMAGE=", "END MENU"};
  for (int i = 0; i < n; ++i) {
    std::string kind = kinds[static_cast<int>(gridKindOf(i))];
    GridPlace place = gridPlaceOf(i);
    lines.insert(lines.end(), {"", "BEGIN " + kind, "    INDEX=" + std::to_string(i / 4 + 1),
                               "    CAPTION=" + gridCaptionOf(i), "    LEFT=" + std::to_string(place.left),
                               "    TOP=" + std::to_string(place.top), "    WIDTH=" + std::to_string(place.width),
                               "    HEIGHT=" + std::to_string(place.height), "    FONTNAME=ＭＳ Ｐゴシック",
                               "    FONTSIZE=9", "    LINK=prog.exe /a", "    STYLE=0"});
    if (gridKindOf(i) == GridKind::PictureButton) lines.push_back("    PICTURE=" + windowsPicture);
    lines.push_back("END " + kind);
  }
  auto file = folder / ("GRID" + std::to_string(n) + ".FIL");
  std::ofstream(file, std::ios::binary) << pemo::menufile::encodeLines(lines);
  return file.string();
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// The median time and the largest peak memory of several runs of a program that ends
// after its first paint.
struct Figure {
  double milliseconds = 0;
  double megabytes = 0;
  bool ok = true;
};

class Runs {
 public:
  void add(const pemo::benchmarks::ChildRun& run) {
    times_.push_back(run.milliseconds);
    peak_ = std::max(peak_, run.peakKilobytes);
    ok_ = ok_ && run.ok;
  }
  Figure figure() const { return {median(times_), peak_ / 1024.0, ok_}; }

 private:
  std::vector<double> times_;
  long peak_ = 0;
  bool ok_ = true;
};

// The sizes to measure: "--sizes=1000,5000" or the default series.
std::vector<int> sizesFrom(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg.rfind("--sizes=", 0) != 0) continue;
    std::vector<int> sizes;
    for (const QString& part : QString::fromStdString(arg.substr(8)).split(',', Qt::SkipEmptyParts))
      if (int n = part.toInt(); n > 0) sizes.push_back(n);
    return sizes;
  }
  return {1000, 5000, 10000, 20000};
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);

  auto folder = std::filesystem::temp_directory_path() / ("pemo-bench-" + std::to_string(QCoreApplication::applicationPid()));
  std::filesystem::create_directories(folder / "config");
  // Every program measured keeps its settings here, never in the user's own.
  setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
  setenv("PEMO_QUIT_AFTER_FIRST_PAINT", "1", 1);
  std::string large = writeLargeMenu(folder);
  const int runs = 5;

  std::vector<double> readOnly, readAndBuild;
  for (int i = 0; i < runs; ++i) {
    RuntimeState runtime;
    NoView view;
    NoScript script;
    MenuPage page(runtime, view, script);
    QElapsedTimer t;
    t.start();
    page.openMenuFile(large);
    readOnly.push_back(t.nsecsElapsed() / 1e6);

    RuntimeState windowRuntime;
    pemo::process::QtPrograms programs;
    pemo::shell::RuntimeWindow window(windowRuntime);
    RegistryRunList runList(window.registryHandle());
    PageSurface surface(window, window.treeWidget());
    pemo::shell::WindowScript windowScript(surface, window, nullptr);
    MenuPage windowPage(windowRuntime, surface, windowScript.engine());
    LinkActions links(windowPage, programs, runList, window.tree());
    window.showPage(surface, windowPage, links, runList);
    window.show();
    QApplication::processEvents();
    t.restart();
    surface.openFirstMenu(large);
    readAndBuild.push_back(t.nsecsElapsed() / 1e6);
  }
  std::printf("page of 1000 objects: read %.1f ms, read and build the widgets %.1f ms (median of %d; target 150 ms)\n",
              median(readOnly), median(readAndBuild), runs);

  const std::string self = QCoreApplication::applicationFilePath().toStdString();
  const std::string pemo = (std::filesystem::path(self).parent_path() / "pemo").string();
  const std::string bareQt = (std::filesystem::path(self).parent_path() / "bare_qt_window").string();
  const std::string start = std::string(PEMO_SOURCE_DIR) + "/samples/START.FIL";
  Runs bare, sample, big;
  for (int i = 0; i < runs; ++i) {
    bare.add(pemo::benchmarks::runChild(bareQt, {"window"}));
    sample.add(pemo::benchmarks::runChild(pemo, {start}));
    big.add(pemo::benchmarks::runChild(pemo, {large}));
  }
  const Figure b = bare.figure(), s = sample.figure(), l = big.figure();
  std::printf("start to first paint (median of %d runs, peak memory):\n", runs);
  std::printf("  bare Qt window, a menu bar, a status bar and ten labels  %7.1f ms  %5.1f MB\n", b.milliseconds,
              b.megabytes);
  std::printf("  pemo samples/START.FIL                                   %7.1f ms  %5.1f MB  %.2fx (target 1.5x)%s\n",
              s.milliseconds, s.megabytes, s.milliseconds / b.milliseconds, s.ok ? "" : "  FAILED");
  std::printf("  pemo with 1000 objects of every kind                     %7.1f ms  %5.1f MB  %.2fx%s\n",
              l.milliseconds, l.megabytes, l.milliseconds / b.milliseconds, l.ok ? "" : "  FAILED");

  // Pages of many objects against a bare Qt program that makes the same widgets
  // before it shows its window.
  const std::string picture = (folder / "folder.bmp").string();
  std::filesystem::copy_file(std::string(PEMO_SOURCE_DIR) + "/samples/pictures/folder.bmp", picture);
  std::printf("page of n objects, start to first paint, against bare Qt with the same widgets (target 2x):\n");
  std::printf("  %7s  %10s  %10s  %6s  %9s  %9s  %s\n", "objects", "pemo", "bare Qt", "ratio", "pemo mem",
              "bare mem", "pemo KB/object over START.FIL");
  for (int n : sizesFrom(argc, argv)) {
    const std::string menu = writeGridMenu(folder, n, picture);
    Runs pemoRuns, bareRuns;
    const int sizeRuns = n >= 10000 ? 3 : runs;
    for (int i = 0; i < sizeRuns; ++i) {
      bareRuns.add(pemo::benchmarks::runChild(bareQt, {"page", std::to_string(n), picture}));
      pemoRuns.add(pemo::benchmarks::runChild(pemo, {menu}));
    }
    const Figure p = pemoRuns.figure(), q = bareRuns.figure();
    std::printf("  %7d  %7.1f ms  %7.1f ms  %5.2fx  %6.1f MB  %6.1f MB  %6.2f%s\n", n, p.milliseconds,
                q.milliseconds, p.milliseconds / q.milliseconds, p.megabytes, q.megabytes,
                (p.megabytes - s.megabytes) * 1024 / n, p.ok && q.ok ? "" : "  FAILED");
    std::fflush(stdout);
  }
  std::filesystem::remove_all(folder);
  return 0;
}
