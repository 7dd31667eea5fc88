#include "editor/workspace/object_commands.h"

#include "editor/workspace/object_clipboard.h"

namespace pemo::editor {

MenuViewPort* ObjectCommands::activeView() { return state_.activeDocument ? windows_.viewOf(*state_.activeDocument) : nullptr; }

EditingSurface* ObjectCommands::activeSurface() {
  return state_.activeDocument ? windows_.surfaceOf(*state_.activeDocument) : nullptr;
}

void ObjectCommands::addObject(ObjectKind kind) {
  MenuDocument* document = state_.activeDocument;
  if (!document) return;
  ObjectRef active = state_.activeObject;
  const bool intoFrame = kind != ObjectKind::Frame && active.kind == ObjectKind::Frame && document->find(active);
  ObjectRef added = document->addObject(kind);
  if (added.index == 0) return;
  if (intoFrame) moveIntoFrame(*document->find(added), active.index, state_.twipsPerPixelX, state_.twipsPerPixelY);
  state_.activeObject = added;
  if (MenuViewPort* view = activeView()) view->objectAdded(added);
  changeActiveObject(state_);
}

std::vector<ObjectRef> ObjectCommands::copySelected() {
  if (!state_.activeDocument->bandSelectionActive) return copyActiveObject(state_);
  std::vector<ObjectRef> stored = copySelection(state_);
  if (EditingSurface* surface = activeSurface()) surface->selectionEnded();
  state_.activeDocument->bandSelectionActive = false;
  return stored;
}

void ObjectCommands::finishCopy() {
  state_.clipboardFilled = true;
  state_.activeObject = {ObjectKind::Menu, 0};
  changeActiveObject(state_);
}

void ObjectCommands::copy() {
  if (!state_.activeDocument) return;
  copySelected();
  finishCopy();
}

void ObjectCommands::cut() {
  if (!state_.activeDocument) return;
  remove(copySelected());
  finishCopy();
}

void ObjectCommands::remove(const std::vector<ObjectRef>& objects) {
  MenuViewPort* view = activeView();
  EditingSurface* surface = activeSurface();
  for (ObjectRef object : objects) {
    // A frame's contents went with it.
    if (!state_.activeDocument->find(object)) continue;
    state_.activeDocument->deleteObject(object);
    // Before the widgets go: an outline inside a frame is placed through the frame's.
    if (surface) surface->objectsRemoved();
    if (view) view->objectRemoved(object);
  }
}

void ObjectCommands::paste() {
  if (!state_.clipboardFilled || !state_.activeDocument) return;
  std::vector<ObjectRef> created = pasteClipboard(state_);
  if (MenuViewPort* view = activeView()) view->objectsAdded(created);
  changeActiveObject(state_);
}

void ObjectCommands::endSelection() {
  EditingSurface* surface = activeSurface();
  if (state_.activeDocument && state_.activeDocument->bandSelectionActive && surface) surface->selectionEnded();
}

void ObjectCommands::deleteSelection() {
  MenuDocument* document = state_.activeDocument;
  if (!document) return;
  EditingSurface* surface = activeSurface();
  if (document->bandSelectionActive && surface) {
    remove(surface->state().selectedObjects);
    surface->selectionEnded();
    return;
  }
  remove({state_.activeObject});
}

}  // namespace pemo::editor
