#include "platform/process/program_lookup.h"

#include <sys/stat.h>

#include <cstdlib>
#include <system_error>

#include "platform/process/command_line.h"
#include "platform/process/windows_programs.h"
#include "platform/text/strings.h"

namespace pemo::process {
namespace fs = std::filesystem;
namespace {

bool hasFolder(std::string_view program) {
  return program.find_first_of("\\/") != std::string_view::npos ||
         (program.size() >= 2 && program[1] == ':');
}

// An entry of `folder` whose name equals `name` without regard to letter case.
fs::path findNoCase(const fs::path& folder, std::string_view name) {
  // No folder holds a longer name; comparing one with every file would take ages.
  constexpr size_t kLongestFileName = 255;
  if (name.size() > kLongestFileName) return {};
  std::error_code ec;
  fs::path exact = folder / std::string(name);
  if (fs::exists(exact, ec)) return exact;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (text::EqualsNoCase(it->path().filename().string(), name)) return it->path();
  }
  return {};
}

// The existing file for `candidate`, or the extension-less program beside it.
fs::path existingProgram(const fs::path& candidate) {
  std::error_code ec;
  if (!candidate.empty() && fs::exists(candidate, ec)) return candidate;
  std::string name = candidate.filename().string();
  if (!hasProgramExtension(name)) return {};
  std::string stem = name.substr(0, name.size() - 4);
  fs::path beside = findNoCase(candidate.parent_path().empty() ? fs::path(".") : candidate.parent_path(), stem);
  return isExecutableFile(beside) ? beside : fs::path();
}

std::vector<fs::path> searchFolders(const LookupFolders& folders) {
  std::vector<fs::path> result;
  if (!folders.programFolder.empty()) result.push_back(folders.programFolder);
  if (!folders.currentFolder.empty()) result.push_back(folders.currentFolder);
  if (const char* path = std::getenv("PATH")) {
    std::string_view rest = path;
    while (!rest.empty()) {
      size_t colon = rest.find(':');
      std::string_view part = rest.substr(0, colon);
      if (!part.empty()) result.emplace_back(std::string(part));
      if (colon == std::string_view::npos) break;
      rest.remove_prefix(colon + 1);
    }
  }
  return result;
}

fs::path locate(std::string_view program, const LookupFolders& folders, const HostPathMapper& toHost) {
  // No file has a longer path (a damaged run list can hold megabytes).
  constexpr size_t kLongestPath = 4096;
  if (program.size() > kLongestPath) return {};
  if (hasFolder(program)) {
    fs::path host = toHost(program);
    if (host.empty()) {
      // The folder exists but not the file: look for the program without extension.
      std::string p(program);
      size_t cut = p.find_last_of("\\/");
      fs::path folder = toHost(p.substr(0, cut == 0 ? 1 : cut));
      if (folder.empty()) return {};
      host = folder / p.substr(cut + 1);
    }
    return existingProgram(host);
  }
  for (const auto& folder : searchFolders(folders)) {
    fs::path found = findNoCase(folder, program);
    if (found.empty()) found = folder / std::string(program);
    found = existingProgram(found);
    if (!found.empty()) return found;
  }
  return {};
}

}  // namespace

bool hasProgramExtension(std::string_view name) {
  std::string upper = text::UCase(name);
  for (const char* ext : {".EXE", ".COM", ".BAT", ".PIF"})
    if (upper.size() > 4 && upper.compare(upper.size() - 4, 4, ext) == 0) return true;
  return false;
}

bool isExecutableFile(const fs::path& file) {
  struct stat st {};
  if (file.empty() || stat(file.c_str(), &st) != 0) return false;
  return S_ISREG(st.st_mode) && (st.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH));
}

fs::path findInPath(std::string_view name) {
  for (const auto& folder : searchFolders({})) {
    fs::path candidate = folder / std::string(name);
    if (isExecutableFile(candidate)) return candidate;
  }
  return {};
}

LaunchPlan planLaunch(std::string_view commandLine, const LookupFolders& folders, const HostPathMapper& toHost) {
  auto argv = splitCommandLine(commandLine);
  if (argv.empty() || argv[0].empty()) return LaunchPlan{{}, "empty command line"};
  std::vector<std::string> args(argv.begin() + 1, argv.end());

  fs::path found = locate(argv[0], folders, toHost);
  if (found.empty()) {
    if (auto table = planWindowsProgram(argv[0], args, toHost)) return *table;
    return LaunchPlan{{}, "not found: " + argv[0]};
  }
  if (isExecutableFile(found)) {
    argv[0] = found.string();
    return LaunchPlan{argv, {}};
  }
  // A document or a folder: its desktop program opens it.
  return openerPlan(found);
}

}  // namespace pemo::process
