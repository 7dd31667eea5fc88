#pragma once
// What the editing surface needs of its menu window. The Qt window implements it; the
// surface logic and its tests talk only to this interface.
#include <string>

#include "editor/document/menu_document.h"
#include "editor/workspace/command_state.h"
#include "editor/workspace/surface_state.h"

namespace pemo::editor {

// Pointer shapes by the numbers the menu files' platform gave them.
enum class PointerShape { Default = 0, SizeNorthSouth = 7, SizeWestEast = 9, SizeAll = 15 };

class SurfaceView {
 public:
  virtual ~SurfaceView() = default;
  // Inverts an outline drawn with a pen this wide inside the rectangle: frame 0 puts it
  // on the window's client area, frame k inside frame k, in that frame's pixels. Drawing
  // the same outline again takes it away.
  virtual void invertOutline(int frame, const SurfaceRect& rect, int penWidth) = 0;
  // Every outline goes; what lay beneath them shows again.
  virtual void clearOutlines() = 0;
  virtual void setPointer(ObjectRef object, PointerShape shape) = 0;
  virtual void setToolTip(ObjectRef object, const std::string& text) = 0;
  // The object's popup with copy, cut and delete on; returns when it has closed.
  virtual void showObjectMenu(const SurfacePopupState& items) = 0;
  // The object's place or size changed in the document.
  virtual void objectChanged(ObjectRef object) = 0;
  // The add-object commands of the main window and of this window's popup.
  virtual void setAddCommandsEnabled(bool enabled) = 0;
  // The height the object is shown at, in pixels (a combo box takes its height from its
  // font, not from the document).
  virtual double shownHeight(ObjectRef object) = 0;
};

}  // namespace pemo::editor
