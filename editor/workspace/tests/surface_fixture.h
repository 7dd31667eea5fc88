#pragma once
// An editing surface on a plain document, with a fake window that keeps the outlines it
// shows the way inverting does: drawing one twice takes it away.
#include <gtest/gtest.h>

#include <algorithm>

#include "editor/workspace/editing_surface.h"

namespace pemo::editor {

struct ShownOutline {
  int frame = 0;
  SurfaceRect rect;
  int pen = 0;
  bool operator==(const ShownOutline&) const = default;
};

class FakeSurfaceView : public SurfaceView {
 public:
  void invertOutline(int frame, const SurfaceRect& rect, int pen) override {
    ShownOutline outline{frame, rect, pen};
    auto it = std::find(shown.begin(), shown.end(), outline);
    if (it != shown.end()) shown.erase(it);
    else shown.push_back(outline);
  }
  void clearOutlines() override {
    shown.clear();
    ++repaints;
  }
  void setPointer(ObjectRef, PointerShape shape) override { pointer = shape; }
  void setToolTip(ObjectRef, const std::string& text) override { toolTip = text; }
  void showObjectMenu(const SurfacePopupState& items) override {
    popups.push_back(items);
    if (duringPopup) duringPopup();
  }
  void objectChanged(ObjectRef object) override { changedObjects.push_back(object); }
  void setAddCommandsEnabled(bool enabled) override { addCommands = enabled; }
  double shownHeight(ObjectRef) override { return 22; }

  std::vector<ShownOutline> shown;
  int repaints = 0;
  PointerShape pointer = PointerShape::Default;
  std::string toolTip;
  std::vector<SurfacePopupState> popups;
  std::function<void()> duringPopup;
  std::vector<ObjectRef> changedObjects;
  bool addCommands = true;
};

class CountingPropertyWindow : public PropertyWindowPort {
 public:
  void changeActiveObject() override { ++reloads; }
  int reloads = 0;
};

class SurfaceTest : public testing::Test {
 protected:
  static constexpr std::uint32_t kHandle = 7;
  SurfaceTest() { state.propertyWindow = &property; }

  // An object at this place and size (pixels on the window, twips inside a frame).
  ObjectRef add(ObjectKind kind, double left, double top, double width, double height, int frame = 0) {
    ObjectRef ref = document.addObject(kind, frame);
    MenuObject& object = *document.find(ref);
    object.left = left;
    object.top = top;
    object.width = width;
    object.height = height;
    document.changed = false;
    return ref;
  }
  const MenuObject& at(ObjectRef ref) { return *document.find(ref); }

  EditorState state;
  MenuDocument document;
  FakeSurfaceView view;
  CountingPropertyWindow property;
  EditingSurface surface{state, document, kHandle, view};
};

}  // namespace pemo::editor
