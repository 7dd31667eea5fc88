// Prints how long the property window takes to follow a change of the active object on a
// menu of 500 objects: the object list rebuilt, the grid loaded and drawn; and how long a
// value typed into the top row of a 500-object band selection takes: written back to
// every object, its widgets moved, the marks drawn again and the window repainted.
//
//   property_benchmark            (under X or QT_QPA_PLATFORM=offscreen)
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "benchmarks/editor_benchmark.h"
#include "editor/property/window/property_window.h"
#include "editor/workspace/window/editor_windows.h"

namespace {

using namespace pemo::editor;
using namespace pemo::editor::property;

struct OneWindow : MenuWindowDirectory {
  MenuDocument* document = nullptr;
  std::vector<OpenMenuWindow> openMenuWindows() override { return {{1, document}}; }
};

double millisecondsPerCall(EditorState& state, PropertyWindowPort& sheet,
                           const std::vector<ObjectRef>& objects) {
  QElapsedTimer timer;
  timer.start();
  for (const ObjectRef& object : objects) {
    state.activeObject = object;
    sheet.changeActiveObject();
  }
  return timer.nsecsElapsed() / 1e6 / objects.size();
}

constexpr benchmark::LabelGrid kGrid;
constexpr int kEdits = 20;

// A menu window of 500 labels, all selected with a band; the top row typed and left again
// and again.
double millisecondsPerSelectionEdit() {
  EditorState state;
  EditorWindows windows(state);
  windows.start();
  windows.workspace.run(EditorCommand::NewMenu, CommandSource::MainMenu);
  MenuWindow& window = *windows.menuWindows.windows().at(0);
  window.resize(kGrid.bandRight(), kGrid.bandBottom() + 380);
  benchmark::addLabelGrid(window, kGrid);
  window.show();
  QApplication::processEvents();
  window.surface().selectInBand(0, 0, kGrid.bandRight(), kGrid.bandBottom());
  window.repaint();
  std::printf("Band selection: %zu objects\n", state.multiSelection.size());
  PropertySheet& sheet = windows.propertySheet;
  QElapsedTimer timer;
  timer.start();
  for (int edit = 0; edit < kEdits; ++edit) {
    sheet.rowFocused(row::Top);
    sheet.rowTyped(row::Top, std::to_string(100 + edit * 10));
    sheet.rowLeft(row::Top);
    window.repaint();
    windows.propertyWindow.repaint();
  }
  return timer.nsecsElapsed() / 1e6 / kEdits;
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::QuietRun run(argc, argv);
  MenuDocument document;
  document.caption = "BENCH";
  std::vector<ObjectRef> objects;
  for (int i = 0; i < 500; ++i) {
    ObjectRef ref = document.addObject(kDocumentKinds[i % kDocumentKinds.size()]);
    document.find(ref)->caption = "Object " + std::to_string(i);
    objects.push_back(ref);
  }
  EditorState state;
  state.activeMenuWindow = 1;
  OneWindow windows;
  windows.document = &document;

  PropertySheet logicOnly(state, windows);
  std::printf("ChangeActiveObject, 500-object menu, logic only: %.3f ms\n",
              millisecondsPerCall(state, logicOnly, objects));

  PropertySheet sheet(state, windows);
  PropertyWindow window(sheet);
  window.show();
  QApplication::processEvents();
  std::printf("ChangeActiveObject, 500-object menu, with the window: %.3f ms (target 16 ms)\n",
              millisecondsPerCall(state, sheet, objects));

  std::printf("Top row typed for a 500-object selection, written back, widgets moved, marks drawn and "
              "painted: %.3f ms (target 100 ms)\n",
              millisecondsPerSelectionEdit());
  return 0;
}
