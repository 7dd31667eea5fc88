#include "platform/testing/temp_dir.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <stdlib.h>

namespace pemo::testing {

TempDir::TempDir() {
  std::string templ = (std::filesystem::temp_directory_path() / "pemo-test-XXXXXX").string();
  if (!mkdtemp(templ.data())) throw std::runtime_error("mkdtemp failed");
  path_ = templ;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

ConfigFolder::ConfigFolder() {
  if (const char* value = getenv("XDG_CONFIG_HOME")) before_ = value;
  setenv("XDG_CONFIG_HOME", dir_.path().c_str(), 1);
}

ConfigFolder::~ConfigFolder() {
  if (before_)
    setenv("XDG_CONFIG_HOME", before_->c_str(), 1);
  else
    unsetenv("XDG_CONFIG_HOME");
}

std::vector<std::string> namesIn(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

std::string readFileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void writeFileBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
}

}  // namespace pemo::testing
