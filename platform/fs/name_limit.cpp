#include "platform/fs/name_limit.h"

#include <limits.h>
#include <unistd.h>

namespace pemo::fs {

namespace stdfs = std::filesystem;

size_t longestNameIn(const stdfs::path& folder) {
  const long longest = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
  return longest > 0 ? size_t(longest) : size_t(NAME_MAX);
}

bool nameFitsItsFolder(const stdfs::path& file) {
  return file.filename().native().size() <= longestNameIn(file.parent_path());
}

}  // namespace pemo::fs
