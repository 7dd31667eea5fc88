#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace pemo::testing {

// A fresh folder under the system's temporary folder, removed with its contents.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// A fresh configuration folder (XDG_CONFIG_HOME) for as long as it lives, so that what
// one test saves (the registry, the drives) is not what the next test starts from when
// several run in one process; the folder before it comes back at its end.
class ConfigFolder {
 public:
  ConfigFolder();
  ~ConfigFolder();
  ConfigFolder(const ConfigFolder&) = delete;
  ConfigFolder& operator=(const ConfigFolder&) = delete;
  const std::filesystem::path& path() const { return dir_.path(); }

 private:
  TempDir dir_;
  std::optional<std::string> before_;
};

// The names in a folder, sorted.
std::vector<std::string> namesIn(const std::filesystem::path& folder);

// Reads and writes whole files as bytes.
std::string readFileBytes(const std::filesystem::path& file);
void writeFileBytes(const std::filesystem::path& file, const std::string& bytes);

}  // namespace pemo::testing
