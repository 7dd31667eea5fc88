#pragma once
// Shutting the machine down or restarting it. The system's power port asks logind
// through `systemctl`; with PEMO_POWER_DRY_RUN=1 in the environment (every test run and
// check sets it) it only prints what it would do, one line on standard output.
#include <string>

namespace pemo::process {

class PowerPort {
 public:
  virtual ~PowerPort() = default;
  // Asks for the machine to go down; a refusal or failure is not reported.
  virtual void shutdown() = 0;
  virtual void restart() = 0;
};

class SystemPower : public PowerPort {
 public:
  void shutdown() override;
  void restart() override;

 private:
  void request(const std::string& verb);
};

// The one power port of the program.
PowerPort& systemPower();

}  // namespace pemo::process
