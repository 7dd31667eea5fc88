#include "platform/btrieve/side_file_place.h"

#include <cstdint>
#include <cstdio>

#include "platform/fs/name_limit.h"
#include "platform/fs/temporary_sibling.h"

namespace pemo::btrieve {
namespace {

namespace stdfs = std::filesystem;

// Record files are in WAL mode: while one is open, its side files end in "-wal" and "-shm".
// A name with room for those keeps them beside it, as it always has.
constexpr std::string_view kWalEnding = "-wal";

// FNV-1a: the same in every process and every build, as all must find the same stand-in.
uint64_t nameHash(std::string_view name) {
  uint64_t hash = 0xcbf29ce484222325ull;
  for (const char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ull;
  return hash;
}

}  // namespace

stdfs::path sideFileBase(const stdfs::path& file) {
  if (file.filename().native().size() + kWalEnding.size() <= fs::longestNameIn(file.parent_path())) return file;
  char hash[20];
  std::snprintf(hash, sizeof hash, "~%016llx", static_cast<unsigned long long>(nameHash(file.filename().native())));
  return fs::hiddenNameBeside(file, hash);
}

std::string placedSideFile(std::string_view name) {
  for (const std::string_view ending : fs::kSideFileEndings) {
    if (!name.ends_with(ending)) continue;
    const stdfs::path database(name.substr(0, name.size() - ending.size()));
    return sideFileBase(database).native() + std::string(ending);
  }
  return std::string(name);
}

}  // namespace pemo::btrieve
