// Test entry point: each test process gets its own configuration folder, so no
// test touches the real home folder or sees another test's registry and drives.
#include <gtest/gtest.h>
#include <stdlib.h>

#include "platform/testing/temp_dir.h"

#ifdef PEMO_TEST_WITH_QT
#include <QApplication>
#endif

int main(int argc, char** argv) {
  pemo::testing::TempDir config;
  setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
  setenv("PEMO_POWER_DRY_RUN", "1", 1);
  ::testing::InitGoogleTest(&argc, argv);
#ifdef PEMO_TEST_WITH_QT
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
#endif
  return RUN_ALL_TESTS();
}
