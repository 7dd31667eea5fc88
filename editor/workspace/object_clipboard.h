#pragma once
// The editor's object clipboard: copying the active object (a frame with the objects
// inside it) or a multi-selection into it, and pasting it onto the active menu window
// as new objects, as often as wanted. Nothing of the system clipboard.
#include <vector>

#include "editor/document/editor_state.h"

namespace pemo::editor {

// The fields an object of its kind carries through the clipboard, from one object to
// another: texts, sizes, colours, link and picture. Position, frame, font, a radio
// button's or check box's value and an image's link style are not among them.
void carryFields(const MenuObject& from, MenuObject& to);

// Fills the clipboard from the active object of the active menu window, a frame followed
// by its contents. The objects stored, in clipboard order; none for the menu itself,
// which leaves one entry of kind Menu.
std::vector<ObjectRef> copyActiveObject(EditorState& state);
// Fills the clipboard from the multi-selection (combo boxes are left out), each frame
// followed by its contents. The objects stored, in clipboard order.
std::vector<ObjectRef> copySelection(EditorState& state);

// Creates the clipboard's objects on the active menu window: the group's top-left
// corner at the page's, the contents of a copied frame in the frame made for them, the
// other objects into the active frame when a frame is the active object. The objects
// created, in clipboard order.
std::vector<ObjectRef> pasteClipboard(EditorState& state);

}  // namespace pemo::editor
