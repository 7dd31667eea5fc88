#include "editor/document/editor_state.h"

#include "platform/fs/config_folders.h"

namespace pemo::editor {

std::filesystem::path defaultScriptWorkFolder() { return fs::configHome() / "pemo" / "work"; }

}  // namespace pemo::editor
