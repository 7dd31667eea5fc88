#pragma once
// File-dialog filters that name Windows programs (*.EXE, *.BAT, *.PIF, *.COM) also
// accept the programs of this system, which are files with the execute bit.
#include <filesystem>
#include <string_view>

namespace pemo::process {

// True when the file's name matches one of the ";"-separated patterns without regard to
// letter case, or when a pattern names a Windows program and the file is executable.
bool matchesFileFilter(const std::filesystem::path& file, std::string_view patterns);

}  // namespace pemo::process
