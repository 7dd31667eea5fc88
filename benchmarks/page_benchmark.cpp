// Prints how long the runtime takes to read and build a page of 1000 objects, and how
// long `pemo` takes from its start to the first painted page, beside a bare Qt window.
//
//   page_benchmark            (under X or QT_QPA_PLATFORM=offscreen)
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMainWindow>
#include <QProcess>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "menufile/lines.h"
#include "platform/process/qt_programs.h"
#include "runtime/page/menu_page.h"
#include "runtime/page/registry_run_list.h"
#include "runtime/shell/window/runtime_window.h"
#include "runtime/shell/window/window_script.h"

namespace {

using namespace pemo::page;

class QuitAfterFirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    return QObject::eventFilter(watched, event);
  }
};

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

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Milliseconds from starting a program to its end (it ends after its first paint).
double timeRun(const QString& program, const QStringList& args) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("PEMO_QUIT_AFTER_FIRST_PAINT", "1");
  p.setProcessEnvironment(env);
  QElapsedTimer t;
  t.start();
  p.start(program, args);
  p.waitForFinished(30000);
  return t.nsecsElapsed() / 1e6;
}

int bareWindow() {
  QMainWindow w;
  w.setCentralWidget(new QWidget(&w));
  w.statusBar();
  w.resize(720, 540);
  QuitAfterFirstPaint quitter;
  w.centralWidget()->installEventFilter(&quitter);
  w.show();
  return qApp->exec();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc > 1 && std::string(argv[1]) == "--bare-window") return bareWindow();

  auto folder = std::filesystem::temp_directory_path() / ("pemo-bench-" + std::to_string(QCoreApplication::applicationPid()));
  std::filesystem::create_directories(folder);
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

  QString self = QCoreApplication::applicationFilePath();
  QString pemo = QString::fromStdString((std::filesystem::path(self.toStdString()).parent_path() / "pemo").string());
  QString start = QString(PEMO_SOURCE_DIR) + "/samples/START.FIL";
  std::vector<double> bare, sample, big;
  for (int i = 0; i < runs; ++i) {
    bare.push_back(timeRun(self, {"--bare-window"}));
    sample.push_back(timeRun(pemo, {start}));
    big.push_back(timeRun(pemo, {QString::fromStdString(large)}));
  }
  double b = median(bare), s = median(sample), l = median(big);
  std::printf("start to first paint: bare Qt window %.1f ms, pemo samples/START.FIL %.1f ms (%.2fx; target 2x), "
              "pemo with 1000 objects %.1f ms (%.2fx)\n",
              b, s, s / b, l, l / b);
  std::filesystem::remove_all(folder);
  return 0;
}
