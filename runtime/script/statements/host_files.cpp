#include "runtime/script/statements/host_files.h"

#include <filesystem>

#include "platform/fs/fs.h"
#include "platform/text/cp932.h"

namespace pemo::script::statements {
namespace {

namespace stdfs = std::filesystem;

std::string folderOf(const std::string& pattern) {
  const size_t cut = pattern.find_last_of("\\/");
  return cut == std::string::npos ? std::string() : pattern.substr(0, cut + 1);
}

}  // namespace

bool hasWildcards(const std::string& name) { return name.find_first_of("*?") != std::string::npos; }

bool copyFileReplacing(const std::string& source, const std::string& destination) {
  const auto from = fs::toHostPath(source);
  const auto to = fs::toHostPath(destination);
  if (!from || !to) return false;
  std::error_code ec;
  if (!stdfs::is_regular_file(*from, ec) || stdfs::is_directory(*to, ec)) return false;
  if (stdfs::exists(*to, ec) && stdfs::equivalent(*from, *to, ec)) return false;
  // A destination that is a link has the file it points to replaced; the destination
  // keeps its permissions, as a copy over an existing file does.
  fs::FileReplacement replacement(*to);
  if (!replacement.ready()) return false;
  return fs::copyWholeFile(*from, replacement.fd()) && replacement.commit() == fs::FileReplacement::Result::kDone;
}

std::vector<std::string> normalFilesMatching(const std::string& pattern) {
  std::vector<std::string> names;
  for (const fs::FolderEntry& entry : fs::listFolder(pattern)) {
    if (!entry.isFolder && !entry.name.starts_with(".")) names.push_back(entry.name);
  }
  return names;
}

bool deleteMatchingFiles(const std::string& pattern) {
  const std::vector<std::string> names = normalFilesMatching(pattern);
  if (names.empty()) return false;
  const std::string folder = folderOf(pattern);
  for (const std::string& name : names) {
    const auto host = fs::toHostPath(folder + name);
    std::error_code ec;
    if (!host || !stdfs::remove(*host, ec) || ec) return false;
  }
  return true;
}

void deleteRecursively(const std::string& pattern) {
  std::vector<std::string> targets;
  const std::string folder = folderOf(pattern);
  if (hasWildcards(pattern.substr(folder.size()))) {
    for (const fs::FolderEntry& entry : fs::listFolder(pattern)) targets.push_back(folder + entry.name);
  } else {
    targets.push_back(pattern);
  }
  for (const std::string& target : targets) {
    const auto host = fs::toHostPath(target);
    std::error_code ec;
    if (host) stdfs::remove_all(*host, ec);  // what cannot be deleted stays, silently
  }
}

bool writeTextLine(const std::string& file, const std::string& text, bool append) {
  const auto host = fs::toHostPath(file);
  if (!host) return false;
  const std::string bytes = text::utf8ToCp932(text) + "\r\n";
  return append ? fs::appendToFile(*host, bytes) : fs::writeFileAtomically(*host, bytes);
}

}  // namespace pemo::script::statements
