// Prints how long pasting a band selection of 500 labels takes in a menu window that
// already holds 5,000 and 30,000 labels: the copy, then the paste with its widgets made
// and painted. A paste should cost what it pastes, whatever the window holds.
//
//   paste_benchmark            (under X or QT_QPA_PLATFORM=offscreen)
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "benchmarks/editor_benchmark.h"
#include "editor/workspace/window/editor_windows.h"

namespace {

using namespace pemo::editor;

// 25 columns by 20 rows of the grid's upper left corner: 500 labels.
constexpr int kBandRight = 10 + 24 * 40 + 30 + 5;
constexpr int kBandBottom = 10 + 19 * 24 + 16 + 5;

double pasteInto(const benchmark::LabelGrid& grid) {
  EditorState state;
  EditorWindows windows(state);
  windows.start();
  windows.workspace.run(EditorCommand::NewMenu, CommandSource::MainMenu);
  MenuWindow& window = *windows.menuWindows.windows().at(0);
  window.resize(1024, 640);
  benchmark::addLabelGrid(window, grid);
  window.show();
  QApplication::processEvents();

  EditingSurface& surface = window.surface();
  surface.surfacePressed();
  surface.selectInBand(0, 0, kBandRight, kBandBottom);
  const int selected = surface.selectedObjectsCell(-1, 0) + 1;
  windows.workspace.run(EditorCommand::Copy, CommandSource::MenuWindow);
  QApplication::processEvents();
  // The median of a few pastes: one alone is at the mercy of whatever else the machine runs.
  std::vector<double> times;
  for (int i = 0; i < 5; ++i) {
    QElapsedTimer timer;
    timer.start();
    windows.workspace.run(EditorCommand::Paste, CommandSource::MenuWindow);
    QApplication::processEvents();
    times.push_back(timer.nsecsElapsed() / 1e6);
  }
  std::sort(times.begin(), times.end());
  const double pasted = times[times.size() / 2];
  std::printf("Paste of %d labels into a window of %d, widgets made and painted: %.2f ms (median of %zu)\n",
              selected, grid.count(), pasted, times.size());
  window.document().changed = false;
  return pasted;
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::QuietRun run(argc, argv);
  const double small = pasteInto({100, 50});
  const double large = pasteInto({200, 150});
  std::printf("30,000 against 5,000 objects: %.2fx (target: about 1x, the paste's own size)\n", large / small);
  return 0;
}
