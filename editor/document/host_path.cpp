#include "editor/document/host_path.h"

#include <algorithm>
#include <cctype>

namespace pemo::editor {

std::filesystem::path hostPath(const std::string& windowsPath) {
  // Until the drive mapping of the file-system layer is in place: a drive prefix is
  // dropped and "\" becomes "/". Host paths pass unchanged.
  std::string path = windowsPath;
  if (path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0])))
    path.erase(0, 2);
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

}  // namespace pemo::editor
