#pragma once
// The main window's toolbar pictures, drawn at run time so that the program needs no
// image files.
#include <QIcon>

namespace pemo::editor {

enum class ToolIcon { NewMenu, OpenMenu, Save, Properties, Copy, Cut, Paste, EditScript, Run, Stop };

QIcon toolIcon(ToolIcon icon);
// The add-object buttons: a small picture of each kind, by add-object code (0 label to
// 7 combo box).
QIcon objectKindIcon(int code);

}  // namespace pemo::editor
