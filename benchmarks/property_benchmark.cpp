// Prints how long the property window takes to follow a change of the active object on a
// menu of 500 objects: the object list rebuilt, the grid loaded and drawn.
//
//   property_benchmark            (under X or QT_QPA_PLATFORM=offscreen)
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "editor/property/window/property_window.h"

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

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  MenuDocument document;
  document.caption = "BENCH";
  std::vector<ObjectRef> objects;
  for (int i = 0; i < 500; ++i) {
    ObjectRef ref = document.addObject(kDocumentKinds[i % kDocumentKinds.size()]);
    document.find(ref)->caption = "Object " + std::to_string(i);
    objects.push_back(ref);
  }
  EditorState state;
  state.activeWnd = 1;
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
  return 0;
}
