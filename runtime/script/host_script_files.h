#pragma once
// The script's files on the host: Windows paths mapped through the drive folder.
#include "runtime/script/ports.h"

namespace pemo::script {

class HostScriptFiles : public ScriptFileSystem {
 public:
  std::optional<std::string> readFile(const std::string& windowsPath) override;
  std::string resolvedPath(const std::string& windowsPath) override;
  bool anyFileMatches(const std::string& windowsPattern) override;
};

}  // namespace pemo::script
