#include "editor/document/editor_state.h"

#include "platform/fs/config_folders.h"

namespace pemo::editor {

std::filesystem::path defaultScriptWorkFolder() { return fs::configHome() / "pemo" / "work"; }

void changeActiveObject(EditorState& state) {
  if (state.propertyWindow)
    state.propertyWindow->changeActiveObject();
  else if (state.mainWindow)
    state.mainWindow->changeMainSetting();
}

}  // namespace pemo::editor
