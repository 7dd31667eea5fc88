#include "editor/document/editor_state.h"

#include <cstdlib>

namespace pemo::editor {

std::filesystem::path defaultScriptWorkFolder() {
  std::filesystem::path config;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) config = xdg;
  else if (const char* home = std::getenv("HOME"); home && *home) config = std::filesystem::path(home) / ".config";
  else config = std::filesystem::temp_directory_path();
  return config / "pemo" / "work";
}

}  // namespace pemo::editor
