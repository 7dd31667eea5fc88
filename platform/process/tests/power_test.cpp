#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/process/power.h"

TEST(Power, ADryRunOnlySaysWhatItWouldDo) {
  // Every test runs with it; set here too, so that the machine never goes down.
  setenv("PEMO_POWER_DRY_RUN", "1", 1);
  testing::internal::CaptureStdout();
  pemo::process::systemPower().shutdown();
  pemo::process::systemPower().restart();
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "pemo: dry run: systemctl poweroff\npemo: dry run: systemctl reboot\n");
}
