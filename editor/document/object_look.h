#pragma once
// How a document's object looks on the design surface: as the runtime shows it.
#include <string>

#include "editor/document/menu_object.h"
#include "platform/ui/control_look.h"

namespace pemo::editor {

// Positions inside a frame become pixels; the picture is the host file it names, or none
// when that file does not exist. Every object is enabled while it is designed.
ui::ControlLook lookOf(const MenuObject& object);
// The host file a picture name of the document names, or "" when there is none.
std::string hostPicturePath(const std::string& name);

}  // namespace pemo::editor
