#pragma once
// The editor's commands on whole menu documents: new, open, the four saves, the help
// document and editing a menu's script in the external editor.
#include <string>

#include "editor/document/editor_state.h"
#include "editor/document/window_ports.h"

namespace pemo::editor {

inline constexpr const char* kOpenDialogTitle = "ﾌｧｲﾙを開く";
inline constexpr const char* kSaveDialogTitle = "名前を付けてﾌｧｲﾙの保存";
inline constexpr const char* kMenuFileFilter = "ﾒﾆｭｰﾌｧｲﾙ(*.FIL)|*.FIL";
inline constexpr int kOpenDialogFlags = kPathMustExist | kHideReadOnlyBox;
inline constexpr int kSaveDialogFlags = kOpenDialogFlags | kAskBeforeOverwrite;

// The main window's caption while a menu window is active: its file, or for a menu never
// saved the new-menu text with its caption.
std::string mainCaptionFor(const MenuDocument& document);
// A name typed without extension is a menu file: ".FIL" is added.
std::string withMenuFileExtension(const std::string& path);

// A menu file was opened or saved: the next open or save dialog starts in its folder.
void rememberFileFolder(EditorState& state, const std::string& path);

// Opens a new menu window named "MENU" and one more than the open menus so named.
void newMenu(EditorState& state);
// Asks for a menu file and opens it in a new window; nothing on cancel.
void openMenu(EditorState& state);

// Writes the document to its file, asking for a name when it has none or when askName is
// set. Afterwards the document knows its path and, when it is the active one, the main
// window shows it. False when the dialog was cancelled or the write failed; the document
// then stays changed.
bool saveDocument(MenuDocument& document, EditorState& state, bool askName);
// The active menu, refused while its script is being edited.
void saveMenu(EditorState& state);
void saveMenuAs(EditorState& state);
// Every open menu in window order, refused while any script is being edited; a menu
// whose dialog is cancelled or whose write fails is skipped.
void saveAllMenus(EditorState& state);
void saveAllMenusAs(EditorState& state);

// True while the script of any open menu is open in the external editor.
bool anyScriptBeingEdited(const EditorState& state);

// Opens "doc\pemokuji.html" of the program folder; tells the user when it cannot.
void showHelp(EditorState& state);

// Opens the active menu's script work file in the script editor. While the editor runs
// the menu's script counts as being edited; when it ends the commands are refreshed and
// a script that changed marks the menu changed. Ignored while that script is already
// being edited.
void editScript(EditorState& state);

}  // namespace pemo::editor
