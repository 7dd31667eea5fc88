#include "editor/workspace/object_clipboard.h"

#include <algorithm>
#include <cmath>

namespace pemo::editor {

namespace {

// Where the corner of a pasted group starts before the objects lower it: farther right
// and down than any object stands.
constexpr double kCornerStart = 30000;

bool isDocumentKind(ObjectKind kind) {
  return std::find(kDocumentKinds.begin(), kDocumentKinds.end(), kind) != kDocumentKinds.end();
}

bool hasFont(ObjectKind kind) { return kind != ObjectKind::Image; }

// Fills the clipboard, which each copy starts empty.
class ClipboardFiller {
 public:
  explicit ClipboardFiller(EditorState& state) : state_(state) {
    state_.objectClipboard.clear();
  }

  // One entry for the object: its geometry divided by these factors, its frame link.
  void store(ObjectRef ref, const MenuObject& object, double perPixelX = 1, double perPixelY = 1, int frameLink = 0) {
    MenuObject entry;
    entry.kind = object.kind;
    carryFields(object, entry);
    entry.left = object.left / perPixelX;
    entry.top = object.top / perPixelY;
    entry.width /= perPixelX;
    entry.height /= perPixelY;
    entry.frame = frameLink;
    // Each entry keeps its own font: a title and the small text under it copied together
    // are pasted as they were.
    if (hasFont(object.kind)) entry.font = object.font;
    state_.objectClipboard.push_back(std::move(entry));
    stored_.push_back(ref);
  }

  // The frame's entry, then one for each object inside it, in the document's order, its
  // geometry in the frame's twips.
  void storeFrame(const MenuDocument& document, ObjectRef frame, const MenuObject& object) {
    store(frame, object);
    for (ObjectKind kind : kDocumentKinds) {
      if (kind == ObjectKind::Frame) continue;
      document.objects(kind).forEachLoaded([&](int index, const MenuObject& inside) {
        if (inside.frame == frame.index) store({kind, index}, inside, 1, 1, frame.index);
      });
    }
  }

  // The entry of something that is no object: no kind, nothing else.
  void storeNothing() {
    MenuObject entry;
    entry.kind = ObjectKind::Menu;
    state_.objectClipboard.push_back(entry);
  }

  std::vector<ObjectRef> stored() { return std::move(stored_); }

 private:
  EditorState& state_;
  std::vector<ObjectRef> stored_;
};

}  // namespace

void carryFields(const MenuObject& from, MenuObject& to) {
  to.width = from.width;
  if (from.kind != ObjectKind::ComboBox) to.height = from.height;
  to.caption = from.caption;
  switch (from.kind) {
    case ObjectKind::Label:
      to.foreColor = from.foreColor;
      to.link = from.link;
      to.labelStyle = from.labelStyle;
      to.onCursorColor = from.onCursorColor;
      break;
    case ObjectKind::PictureButton:
      // Link and picture travel apart, whatever either holds.
      to.picture = from.picture;
      [[fallthrough]];
    case ObjectKind::Button:
      to.link = from.link;
      to.linkStyle = from.linkStyle;
      break;
    case ObjectKind::Image:
      to.link = from.link;
      to.picture = from.picture;
      to.stretch = from.stretch;
      break;
    case ObjectKind::Radio:
    case ObjectKind::CheckBox:
    case ObjectKind::Frame:
      to.backColor = from.backColor;
      to.foreColor = from.foreColor;
      break;
    case ObjectKind::ComboBox:
      to.foreColor = from.foreColor;
      break;
    default:
      break;
  }
}

std::vector<ObjectRef> copyActiveObject(EditorState& state) {
  ClipboardFiller clipboard(state);
  state.activeObjectControl = {state.activeDocument, state.activeObject};
  const MenuObject* object = state.activeObjectControl.resolve();
  if (!object) {
    clipboard.storeNothing();
    return {};
  }
  if (object->kind == ObjectKind::Frame)
    clipboard.storeFrame(*state.activeDocument, state.activeObject, *object);
  else if (object->frame != 0)
    // Taken out of its frame: pixels from the frame's corner, as if on the page.
    clipboard.store(state.activeObject, *object, state.twipsPerPixelX, state.twipsPerPixelY);
  else
    clipboard.store(state.activeObject, *object);
  return clipboard.stored();
}

std::vector<ObjectRef> copySelection(EditorState& state) {
  ClipboardFiller clipboard(state);
  if (!state.activeDocument) return {};
  MenuDocument& document = *state.activeDocument;
  for (ObjectRef entry : state.multiSelection) {
    const MenuObject* object = document.find(entry);
    if (!object || entry.kind == ObjectKind::ComboBox) continue;
    if (entry.kind == ObjectKind::Frame)
      clipboard.storeFrame(document, entry, *object);
    else
      clipboard.store(entry, *object);
  }
  return clipboard.stored();
}

std::vector<ObjectRef> pasteClipboard(EditorState& state) {
  std::vector<ObjectRef> created;
  if (!state.clipboardFilled || !state.activeDocument) return created;
  MenuDocument& document = *state.activeDocument;
  double cornerX = kCornerStart, cornerY = kCornerStart;
  for (const MenuObject& entry : state.objectClipboard) {
    if (entry.frame != 0) continue;
    if (cornerX > entry.left) cornerX = std::nearbyint(entry.left);
    if (cornerY > entry.top) cornerY = std::nearbyint(entry.top);
  }
  const int activeFrame =
      state.activeObject.kind == ObjectKind::Frame && document.find(state.activeObject) ? state.activeObject.index : 0;
  // The frame this paste made last, for the objects copied inside a frame; 0 when none
  // was made or the last frame could not be.
  int lastFrame = 0;
  for (const MenuObject& entry : state.objectClipboard) {
    if (!isDocumentKind(entry.kind)) continue;
    const bool frame = entry.kind == ObjectKind::Frame;
    const bool child = !frame && entry.frame != 0;
    if (child && lastFrame == 0) continue;
    ObjectRef ref = document.appendObject(entry.kind);
    if (frame) lastFrame = ref.index;
    if (ref.index == 0) continue;
    MenuObject& object = *document.find(ref);
    carryFields(entry, object);
    if (hasFont(entry.kind)) object.font = entry.font;
    if (child) {
      object.frame = lastFrame;
      object.left = entry.left;
      object.top = entry.top;
    } else {
      object.left = entry.left - cornerX;
      object.top = entry.top - cornerY;
      if (!frame && activeFrame != 0) moveIntoFrame(object, activeFrame, state.twipsPerPixelX, state.twipsPerPixelY);
    }
    clampGeometry(object, state.twipsPerPixelX, state.twipsPerPixelY);
    object.visible = true;
    if (entry.kind == ObjectKind::Image)
      document.sendToBack(ref);
    else
      document.bringToFront(ref);
    created.push_back(ref);
  }
  document.changed = true;
  state.activeObject = created.empty() ? ObjectRef{} : created.back();
  return created;
}

}  // namespace pemo::editor
