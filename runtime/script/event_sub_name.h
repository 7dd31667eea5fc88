#pragma once
// Which SUB an object event runs: one SUB per object kind and event, such as
// "SUB BUTTON_CLICK()" for a click on any button; the SUB tells the objects apart by INDEX.
#include <string>

#include "menufile/types.h"

namespace pemo::script {

// The SUB line (upper case) for an object kind and event, or "" when the pair runs none.
std::string eventSubName(menufile::ObjectKind kind, menufile::ScriptEvent event);

}  // namespace pemo::script
