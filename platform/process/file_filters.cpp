#include "platform/process/file_filters.h"

#include <fnmatch.h>

#include <string>

#include "platform/process/program_lookup.h"
#include "platform/text/strings.h"

namespace pemo::process {

bool matchesFileFilter(const std::filesystem::path& file, std::string_view patterns) {
  std::string name = text::UCase(file.filename().string());
  bool namesPrograms = false;
  while (!patterns.empty()) {
    size_t cut = patterns.find(';');
    std::string pattern = text::UCase(text::Trim(patterns.substr(0, cut)));
    if (!pattern.empty()) {
      if (fnmatch(pattern.c_str(), name.c_str(), FNM_PERIOD) == 0) return true;
      // "*.EXE" and its kind also name the Linux programs, which have no extension.
      if (pattern.size() == 5 && pattern[0] == '*' && hasProgramExtension(pattern)) namesPrograms = true;
    }
    if (cut == std::string_view::npos) break;
    patterns.remove_prefix(cut + 1);
  }
  return namesPrograms && isExecutableFile(file);
}

}  // namespace pemo::process
