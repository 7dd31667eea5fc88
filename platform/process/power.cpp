#include "platform/process/power.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/process/child_processes.h"
#include "platform/process/program_lookup.h"

namespace pemo::process {

void SystemPower::shutdown() { request("poweroff"); }
void SystemPower::restart() { request("reboot"); }

void SystemPower::request(const std::string& verb) {
  const char* dryRun = std::getenv("PEMO_POWER_DRY_RUN");
  if (dryRun && std::strcmp(dryRun, "1") == 0) {
    std::printf("pemo: dry run: systemctl %s\n", verb.c_str());
    std::fflush(stdout);
    return;
  }
  // Started directly, never through a shell; logind decides whether the user may.
  std::filesystem::path systemctl = findInPath("systemctl");
  if (!systemctl.empty()) spawnProgram({systemctl.string(), verb});
}

PowerPort& systemPower() {
  static SystemPower power;
  return power;
}

}  // namespace pemo::process
