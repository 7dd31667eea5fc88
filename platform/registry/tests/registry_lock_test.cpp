// Another program holding the registry database: calls wait only so long, a start or a
// close within its limit in all, and nothing stored is lost.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "platform/fs/config_folders.h"
#include "platform/registry/registry.h"
#include "platform/registry/tests/lock_holder.h"
#include "platform/testing/temp_dir.h"

namespace pemo::registry {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using testing::LockHolder;

Clock::duration timeOf(const auto& calls) {
  const auto start = Clock::now();
  calls();
  return Clock::now() - start;
}

// With the database in write-ahead mode a holder blocks only writers: what is stored is
// still read, writes fail without waiting past the limit, and once the database has
// proved held for long, later calls wait only briefly instead of adding up.
TEST(RegistryLock, AWriteLockCostsAStartItsLimitAndLaterCallsLittle) {
  for (const char* begin : {"BEGIN EXCLUSIVE", "BEGIN IMMEDIATE"}) {
    SCOPED_TRACE(begin);
    pemo::testing::ConfigFolder config;
    Key key = 0;
    ASSERT_EQ(createKey(kUsers, "Software\\Pemo", "", key), kSuccess);
    ASSERT_EQ(setValue(key, "Left", kString, "10"), kSuccess);
    {
      LockHolder holder(begin);
      auto start = timeOf([&] {
        WaitLimit limit(300ms);
        Value value;
        EXPECT_EQ(queryValue(key, "Left", value), kSuccess);
        EXPECT_EQ(value.data, "10");
        WriteBatch batch;
        EXPECT_FALSE(batch.isOpen());
        for (int i = 0; i < 3; ++i) EXPECT_EQ(setValue(key, "Left", kString, "20"), kIoFailed);
        EXPECT_EQ(nextCounterValue("handles"), 0);
      });
      EXPECT_LT(start, 1s);
      auto later = timeOf([&] {
        for (int i = 0; i < 3; ++i) EXPECT_EQ(setValue(key, "Top", kString, "5"), kIoFailed);
      });
      EXPECT_LT(later, 1500ms);
    }
    EXPECT_EQ(setValue(key, "Top", kString, "5"), kSuccess);
    Value value;
    EXPECT_EQ(queryValue(key, "Left", value), kSuccess);
    EXPECT_EQ(value.data, "10");
    closeKey(key);
  }
}

// A database another program made and holds in rollback mode cannot even be read:
// the start gets nothing, fast, and the registry works once the holder lets go.
TEST(RegistryLock, ADatabaseHeldInRollbackModeGivesNothingWithinTheLimit) {
  for (const char* begin : {"BEGIN EXCLUSIVE", "BEGIN IMMEDIATE"}) {
    SCOPED_TRACE(begin);
    pemo::testing::ConfigFolder config;
    std::filesystem::create_directories(fs::pemoConfigFolder());
    {
      LockHolder holder(begin, "PRAGMA journal_mode=DELETE; CREATE TABLE other(x)");
      auto start = timeOf([&] {
        WaitLimit limit(300ms);
        Key key = 0;
        EXPECT_NE(openKey(kUsers, "Software", key), kSuccess);
        EXPECT_EQ(createKey(kUsers, "Software", "", key), kIoFailed);
      });
      EXPECT_LT(start, 1s);
    }
    Key key = 0;
    EXPECT_EQ(createKey(kUsers, "Software", "", key), kSuccess);
    closeKey(key);
  }
}

}  // namespace
}  // namespace pemo::registry
