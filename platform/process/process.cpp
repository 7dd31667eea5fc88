#include "platform/process/process.h"

#include <system_error>

#include "platform/fs/windows_path.h"
#include "platform/process/windows_programs.h"

namespace pemo::process {
namespace fs = std::filesystem;
namespace {

StartResult spawnPlan(const LaunchPlan& plan) {
  if (plan.argv.empty()) return StartResult{0, plan.error};
  StartResult result;
  result.pid = spawnProgram(plan.argv, &result.error);
  result.opener = plan.opener;
  return result;
}

}  // namespace

fs::path existingHostPath(std::string_view path) {
  auto host = pemo::fs::toHostPath(path);
  std::error_code ec;
  if (!host || !fs::exists(*host, ec)) return {};
  return *host;
}

fs::path programFolder() {
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::path() : self.parent_path();
}

StartResult startCommandLine(std::string_view commandLine) {
  std::error_code ec;
  LookupFolders folders{programFolder(), fs::current_path(ec)};
  return spawnPlan(planLaunch(commandLine, folders, existingHostPath));
}

StartResult openDocument(std::string_view path) {
  fs::path host = existingHostPath(path);
  if (host.empty()) return StartResult{0, "not found: " + std::string(path)};
  return spawnPlan(openerPlan(host));
}

}  // namespace pemo::process
