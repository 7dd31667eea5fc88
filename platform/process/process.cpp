#include "platform/process/process.h"

#include <system_error>

#include "platform/fs/windows_path.h"

namespace pemo::process {
namespace fs = std::filesystem;
namespace {

HostPathMapper& mapperSlot() {
  static HostPathMapper mapper = existingHostPath;
  return mapper;
}

}  // namespace

fs::path existingHostPath(std::string_view path) {
  auto host = pemo::fs::toHostPath(path);
  std::error_code ec;
  if (!host || !fs::exists(*host, ec)) return {};
  return *host;
}

void setHostPathMapper(HostPathMapper mapper) { mapperSlot() = mapper ? std::move(mapper) : existingHostPath; }
const HostPathMapper& hostPathMapper() { return mapperSlot(); }

fs::path programFolder() {
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::path() : self.parent_path();
}

StartResult startCommandLine(std::string_view commandLine) {
  std::error_code ec;
  LookupFolders folders{programFolder(), fs::current_path(ec)};
  LaunchPlan plan = planLaunch(commandLine, folders, hostPathMapper());
  if (plan.argv.empty()) return StartResult{0, plan.error};
  StartResult result;
  result.pid = spawnProgram(plan.argv, &result.error);
  return result;
}

}  // namespace pemo::process
