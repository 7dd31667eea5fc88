#pragma once
// A program folder of the test's own for programs it starts. A started runtime keeps its
// user data (PemoUser) and hand-over files in its program folder, which it finds by its
// own file; run from the build folder it would leave them there for every later run.
#include <filesystem>
#include <initializer_list>
#include <string>

#include "platform/testing/temp_dir.h"

namespace pemo::testing {

class ProgramFolder {
 public:
  // The named programs of `built`, each a hard link or else a copy (through a symbolic
  // link a program would find the build's folder again), beside links to its libraries.
  explicit ProgramFolder(const std::filesystem::path& built, std::initializer_list<std::string> programs = {"pemo"});
  const std::filesystem::path& path() const { return dir_.path(); }
  std::filesystem::path operator/(const std::string& name) const { return dir_ / name; }

 private:
  TempDir dir_;
};

}  // namespace pemo::testing
