// Prints how long the runtime takes to build its menu tree: in this process, the scan of
// 1000 menu files with 10 program links each, alone and with the tree pane filled, and
// how many menus scans show missing while another program renames their folders; then
// whole `pemo` processes from their start to the first painted page, each beside its
// pair (the same start menu without what makes the tree large) and its target:
//   - a start menu with 3,000 links to missing menu files in a folder of 8,000 other files,
//     and the file-status calls of that start, counted by strace;
//   - a chain of 20 menus, each linking twice to the next, the last to a missing file,
//     among 500 other files;
//   - a tree of 1 + 10 + 100 + 1,000 menus with 10 program links each;
//   - 2,000 links, half to menus and half to missing files, named in another case than
//     the disk's, in a folder of 100,000 files where another program creates and deletes
//     a file every 20 ms; the pair is the same folder at rest.
//
//   tree_benchmark [runs]     (under X or QT_QPA_PLATFORM=offscreen)
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <thread>

#include "menufile/lines.h"
#include "platform/fs/fs.h"
#include "runtime/shell/menu_tree_scan.h"
#include "runtime/shell/window/menu_tree_pane.h"

namespace {

namespace stdfs = std::filesystem;

// A menu file whose buttons link first to the given menus, then to `programs` programs.
void writeMenu(const stdfs::path& file, const std::string& caption, const std::vector<std::string>& menus,
               int programs = 10) {
  std::vector<std::string> lines{"BEGIN MENU", "CAPTION=" + caption, "END MENU"};
  int index = 0;
  for (const auto& link : menus)
    lines.insert(lines.end(), {"BEGIN BUTTON", "INDEX=" + std::to_string(++index), "LINK=" + link, "END BUTTON"});
  for (int p = 0; p < programs; ++p)
    lines.insert(lines.end(), {"BEGIN BUTTON", "INDEX=" + std::to_string(++index), "CAPTION=program " + std::to_string(p),
                               "LINK=tool" + std::to_string(p) + ".exe /x=" + std::to_string(p), "STYLE=0", "END BUTTON"});
  std::ofstream(file, std::ios::binary) << pemo::menufile::encodeLines(lines);
}

void writeOtherFiles(const stdfs::path& folder, int count) {
  for (int i = 0; i < count; ++i) std::ofstream(folder / ("other" + std::to_string(i) + ".txt")) << "x";
}

std::vector<std::string> numberedNames(const std::string& prefix, int from, int count) {
  std::vector<std::string> names;
  for (int i = from; i < from + count; ++i) names.push_back(prefix + std::to_string(i) + ".FIL");
  return names;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Another program working beside `pemo`: step, then a pause, over and over until destroyed.
class OtherProgram {
 public:
  OtherProgram(std::function<void()> step, std::chrono::milliseconds pause)
      : worker_([step = std::move(step), pause](std::stop_token stop) {
          while (!stop.stop_requested()) {
            step();
            std::this_thread::sleep_for(pause);
          }
        }) {}

 private:
  std::jthread worker_;
};

// A file created in folder and deleted again every 20 ms.
OtherProgram busyWith(const stdfs::path& folder) {
  return OtherProgram(
      [file = folder / "busy.tmp", created = false]() mutable {
        std::error_code ignored;
        if (created) stdfs::remove(file, ignored);
        else std::ofstream(file) << "x";
        created = !created;
      },
      std::chrono::milliseconds(10));
}

// The in-process scan of 1000 menu files (11000 nodes), alone and into the tree pane.
void scanInProcess(const stdfs::path& dir, int runs) {
  stdfs::create_directories(dir);
  std::vector<std::string> menus;
  for (int i = 1; i < 1000; ++i) {
    auto file = dir / ("M" + std::to_string(i) + ".FIL");
    writeMenu(file, "menu " + std::to_string(i), {});
    menus.push_back(file.string());
  }
  const std::string start = (dir / "START.FIL").string();
  writeMenu(start, "start", menus);

  std::vector<double> scanOnly, scanAndPane;
  size_t nodes = 0;
  for (int i = 0; i < runs; ++i) {
    QElapsedTimer t;
    t.start();
    auto tree = pemo::shell::scanMenuTree(start, pemo::shell::fileSystemMenuReader("C:"));
    scanOnly.push_back(t.nsecsElapsed() / 1e6);
    nodes = tree.nodes.size();

    QTreeWidget widget;
    pemo::shell::MenuTreePane pane(&widget);
    t.restart();
    pane.setNodes(pemo::shell::scanMenuTree(start, pemo::shell::fileSystemMenuReader("C:")).nodes);
    scanAndPane.push_back(t.nsecsElapsed() / 1e6);
  }
  std::printf("menu tree of %zu nodes from 1000 files: scan %.1f ms, scan and tree pane %.1f ms "
              "(median of %d; target 500 ms)\n",
              nodes, median(scanOnly), median(scanAndPane), runs);
}

// Scans of 40 folders of 250 menus each, named in upper case, for 5 s while another
// program changes the folders' names between "Dir" and "dir" every half second.
void scanWhileFoldersAreRenamed(const stdfs::path& dir) {
  constexpr int kFolders = 40, kMenus = 250;
  const std::string windowsDir = pemo::fs::toWindowsPath(dir.string());
  std::vector<std::string> links;
  for (int f = 0; f < kFolders; ++f) {
    const stdfs::path folder = dir / ("Dir" + std::to_string(f));
    stdfs::create_directories(folder);
    for (int m = 0; m < kMenus; ++m) {
      writeMenu(folder / ("m" + std::to_string(m) + ".fil"), "menu", {}, 0);
      links.push_back(windowsDir + "\\DIR" + std::to_string(f) + "\\M" + std::to_string(m) + ".FIL");
    }
  }
  writeMenu(dir / "START.FIL", "start", links, 0);

  const OtherProgram renamer(
      [dir, lower = false]() mutable {
        for (int f = 0; f < kFolders; ++f) {
          const std::string number = std::to_string(f);
          std::error_code ignored;
          stdfs::rename(dir / ((lower ? "dir" : "Dir") + number), dir / ((lower ? "Dir" : "dir") + number), ignored);
        }
        lower = !lower;
      },
      std::chrono::milliseconds(500));
  int scans = 0, missing = 0;
  QElapsedTimer t;
  t.start();
  for (; t.elapsed() < 5000; ++scans)
    for (const auto& node : pemo::shell::scanMenuTree((dir / "START.FIL").string(),
                                                      pemo::shell::fileSystemMenuReader("C:")).nodes)
      missing += node.caption.starts_with(pemo::shell::kMissingMenuPrefix);
  std::printf("menu tree scans while 40 folders change the case of their names every 0.5 s: %d of %d menus "
              "shown missing in %d scans (target none)\n",
              missing, scans * kFolders * kMenus, scans);
  std::fflush(stdout);
}

// Runs `pemo` on a start file in its own settings folder until its first paint.
class PemoRun {
 public:
  PemoRun(const stdfs::path& config) {
    const QString self = QCoreApplication::applicationFilePath();
    program_ = QString::fromStdString((stdfs::path(self.toStdString()).parent_path() / "pemo").string());
    env_ = QProcessEnvironment::systemEnvironment();
    for (const QString& name : env_.keys())
      if (name.startsWith("PEMO_")) env_.remove(name);
    env_.insert("PEMO_QUIT_AFTER_FIRST_PAINT", "1");
    env_.insert("QT_QPA_PLATFORM", "offscreen");
    env_.insert("XDG_CONFIG_HOME", QString::fromStdString(config.string()));
  }

  // Milliseconds from the start to the end (the first paint); negative when it did not end.
  double milliseconds(const stdfs::path& startFile) const {
    QProcess p;
    p.setProcessEnvironment(env_);
    p.setWorkingDirectory(QString::fromStdString(startFile.parent_path().string()));
    QElapsedTimer t;
    t.start();
    p.start(program_, {QString::fromStdString(startFile.string())});
    if (!p.waitForFinished(120000)) {
      p.kill();
      p.waitForFinished();
      return -1;
    }
    return t.nsecsElapsed() / 1e6;
  }

  // The file-status calls (stat, lstat, statx and the like) of one run to the first paint,
  // counted by strace; -1 when strace cannot be run.
  long statusCalls(const stdfs::path& startFile) const {
    const QString summary = QString::fromStdString((startFile.parent_path() / "strace.txt").string());
    QProcess p;
    p.setProcessEnvironment(env_);
    p.setWorkingDirectory(QString::fromStdString(startFile.parent_path().string()));
    p.start("strace", {"-f", "-c", "-e", "trace=%stat,%lstat,%fstat", "-o", summary, program_,
                       QString::fromStdString(startFile.string())});
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit) return -1;
    std::ifstream in(summary.toStdString());
    for (std::string line; std::getline(in, line);) {
      std::istringstream fields(line);
      std::vector<std::string> words{std::istream_iterator<std::string>(fields), {}};
      if (words.size() >= 5 && words.back() == "total") return std::atol(words[3].c_str());
    }
    return -1;
  }

 private:
  QString program_;
  QProcessEnvironment env_;
};

// One case and its pair, run in turn after a warm-up (the file cache and the settings
// folder); prints the medians, the ratio and the target.
void compareRuns(const char* what, const std::function<double()>& run, const char* pairWhat,
                 const std::function<double()>& pairRun, const char* target, int runs) {
  run();
  pairRun();
  std::vector<double> a, b;
  for (int i = 0; i < runs; ++i) {
    a.push_back(run());
    b.push_back(pairRun());
  }
  const double ma = median(a), mb = median(b);
  std::printf("%s: %.0f ms; %s: %.0f ms (%.2fx; target %s)\n", what, ma, pairWhat, mb, ma / mb, target);
  std::fflush(stdout);
}

void compare(const PemoRun& pemo, const char* what, const stdfs::path& start, const char* pairWhat,
             const stdfs::path& pairStart, const char* target, int runs) {
  compareRuns(what, [&] { return pemo.milliseconds(start); }, pairWhat, [&] { return pemo.milliseconds(pairStart); },
              target, runs);
}

// 3,000 links to missing menu files, with and without 8,000 other files beside them.
void missingLinks(const PemoRun& pemo, const stdfs::path& dir, int runs) {
  const stdfs::path crowded = dir / "crowded", bare = dir / "bare";
  for (const auto& folder : {crowded, bare}) {
    stdfs::create_directories(folder);
    writeMenu(folder / "START.FIL", "start", numberedNames("MISSING", 1, 3000), 0);
  }
  writeOtherFiles(crowded, 8000);
  compare(pemo, "pemo, 3,000 missing menu links among 8,000 files", crowded / "START.FIL",
          "without the other files", bare / "START.FIL", "within 1 s", runs);
  std::printf("pemo, 3,000 missing menu links among 8,000 files: %ld file-status calls from start to first paint "
              "(strace; target at most 9,675)\n",
              pemo.statusCalls(crowded / "START.FIL"));
  std::fflush(stdout);
}

// 20 menus, each linking twice to the next, the last to a missing file; with and without
// 500 other files beside them.
void chainOfMenus(const PemoRun& pemo, const stdfs::path& dir, int runs) {
  const stdfs::path crowded = dir / "chain-crowded", bare = dir / "chain-bare";
  for (const auto& folder : {crowded, bare}) {
    stdfs::create_directories(folder);
    for (int i = 1; i < 20; ++i) {
      const std::string next = "CHAIN" + std::to_string(i + 1) + ".FIL";
      writeMenu(folder / ("CHAIN" + std::to_string(i) + ".FIL"), "chain " + std::to_string(i), {next, next}, 0);
    }
    writeMenu(folder / "CHAIN20.FIL", "chain 20", {"MISSING.FIL"}, 0);
  }
  writeOtherFiles(crowded, 500);
  compare(pemo, "pemo, chain of 20 menus linked twice among 500 files", crowded / "CHAIN1.FIL",
          "without the other files", bare / "CHAIN1.FIL", "within 1 s", runs);
}

// 1 + 10 + 100 + 1,000 menus with 10 program links each; the pair is the same start menu
// without the files it links to.
void wideTree(const PemoRun& pemo, const stdfs::path& dir, int runs) {
  const stdfs::path tree = dir / "tree", alone = dir / "alone";
  stdfs::create_directories(tree);
  stdfs::create_directories(alone);
  writeMenu(tree / "START.FIL", "start", numberedNames("A", 0, 10));
  writeMenu(alone / "START.FIL", "start", numberedNames("A", 0, 10));
  for (int a = 0; a < 10; ++a) {
    writeMenu(tree / ("A" + std::to_string(a) + ".FIL"), "a", numberedNames("B", a * 10, 10));
    for (int b = a * 10; b < a * 10 + 10; ++b) {
      writeMenu(tree / ("B" + std::to_string(b) + ".FIL"), "b", numberedNames("C", b * 10, 10));
      for (int c = b * 10; c < b * 10 + 10; ++c) writeMenu(tree / ("C" + std::to_string(c) + ".FIL"), "c", {});
    }
  }
  compare(pemo, "pemo, tree of 1,111 menus with 10 program links each", tree / "START.FIL",
          "the start menu alone", alone / "START.FIL", "1.5x", runs);
}

// 2,000 links named in upper case to lower-case files among 100,000, while the folder
// is busy and while it rests.
void busyFolder(const PemoRun& pemo, const stdfs::path& dir, int runs) {
  const stdfs::path folder = dir / "busy";
  stdfs::create_directories(folder);
  std::vector<std::string> links = numberedNames("MENU", 0, 1000), missing = numberedNames("MISSING", 0, 1000);
  links.insert(links.end(), missing.begin(), missing.end());
  writeMenu(folder / "START.FIL", "start", links, 0);
  for (int i = 0; i < 1000; ++i) writeMenu(folder / ("menu" + std::to_string(i) + ".fil"), "menu", {}, 0);
  writeOtherFiles(folder, 100000 - 1001);

  const stdfs::path start = folder / "START.FIL";
  compareRuns(
      "pemo, 2,000 links among 100,000 files, one created and deleted every 20 ms",
      [&] {
        const OtherProgram other = busyWith(folder);
        return pemo.milliseconds(start);
      },
      "the folder at rest", [&] { return pemo.milliseconds(start); }, "within 2 s", runs);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const auto dir = stdfs::temp_directory_path() / ("pemo-tree-" + std::to_string(QCoreApplication::applicationPid()));
  scanInProcess(dir / "scan", runs);
  scanWhileFoldersAreRenamed(dir / "renamed");

  const PemoRun pemo(dir / "config");
  missingLinks(pemo, dir, runs);
  chainOfMenus(pemo, dir, runs);
  wideTree(pemo, dir, runs);
  busyFolder(pemo, dir, runs);
  std::filesystem::remove_all(dir);
  return 0;
}
