#include "platform/fs/temporary_sibling.h"

#include <gtest/gtest.h>
#include <limits.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/fs/atomic_file.h"
#include "platform/testing/temp_dir.h"

namespace pemo::fs {
namespace {

namespace stdfs = std::filesystem;
using pemo::testing::namesIn;
using pemo::testing::readFileBytes;
using pemo::testing::TempDir;
using pemo::testing::writeFileBytes;

// Starts a writer that leaves a file (with a database's two side files) and a folder of its
// own beside target; it is killed at once, or stays until the test ends it. Answers its
// process id.
pid_t writerLeavingSiblings(const stdfs::path& target, bool killed) {
  int ready[2];
  if (::pipe(ready) != 0) return -1;
  const pid_t pid = ::fork();
  if (pid == 0) {
    const stdfs::path file = uniqueNameBeside(target, ".tmp");
    for (const char* ending : {"", "-wal", "-shm"}) writeFileBytes(file.string() + ending, "half");
    stdfs::create_directory(uniqueNameBeside(target, ".tmp"));
    if (killed) ::raise(SIGKILL);
    if (::write(ready[1], "r", 1) != 1) ::_exit(1);
    ::pause();
    ::_exit(0);
  }
  ::close(ready[1]);
  char byte;
  if (killed) {
    ::waitpid(pid, nullptr, 0);
  } else if (::read(ready[0], &byte, 1) != 1) {
    ADD_FAILURE() << "the writer did not start";
  }
  ::close(ready[0]);
  return pid;
}

TEST(TemporarySiblings, WhatDeadWritersLeftGoesWithTheNextWriteAndNothingElse) {
  TempDir dir;
  const stdfs::path target = dir / "x.ini";
  const pid_t running = writerLeavingSiblings(target, false);
  ASSERT_GT(running, 0);
  const std::vector<std::string> leftByRunning = namesIn(dir.path());
  const pid_t dead = writerLeavingSiblings(target, true);
  ASSERT_GT(dead, 0);
  std::vector<std::string> deadFiles;
  for (const std::string& name : namesIn(dir.path()))
    if (stdfs::is_regular_file(dir / name) && name.find(std::to_string(dead)) != std::string::npos)
      deadFiles.push_back(name);
  ASSERT_EQ(deadFiles.size(), 3u);
  const std::string deadFile = deadFiles.front();
  const std::vector<std::string> before = namesIn(dir.path());
  ASSERT_EQ(before.size(), leftByRunning.size() + 4);  // three files and a folder of each
  // Names that only look like ours: not hidden, or without the owner's mark.
  writeFileBytes(dir / deadFile.substr(1), "user's");
  writeFileBytes(dir / (".x.ini.tmp" + std::to_string(dead) + "-0"), "user's");

  EXPECT_TRUE(writeFileAtomically(target, "new"));
  std::vector<std::string> expected = before;
  for (const std::string& name : deadFiles) expected.erase(std::find(expected.begin(), expected.end(), name));
  expected.push_back(deadFile.substr(1));
  expected.push_back(".x.ini.tmp" + std::to_string(dead) + "-0");
  expected.push_back("x.ini");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(namesIn(dir.path()), expected);
  EXPECT_EQ(readFileBytes(target), "new");

  ::kill(running, SIGKILL);
  ::waitpid(running, nullptr, 0);
}

TEST(TemporarySiblings, LeftoversOfNamesCutShortAreFoundAndNothingElseOfTheirPrefix) {
  TempDir dir;
  // Two names of the longest length that differ only at their end: their temporary names
  // share the same cut start.
  const std::string first = std::string(NAME_MAX - 1, 'p') + "1", second = std::string(NAME_MAX - 1, 'p') + "2";
  writeFileBytes(dir / first, "user's first");
  writeFileBytes(dir / second, "user's second");
  const pid_t running = writerLeavingSiblings(dir / first, false);
  ASSERT_GT(running, 0);
  const pid_t dead = writerLeavingSiblings(dir / second, true);
  ASSERT_GT(dead, 0);
  std::vector<std::string> deadFiles;
  for (const std::string& name : namesIn(dir.path()))
    if (stdfs::is_regular_file(dir / name) && name.find("~pemo" + std::to_string(dead) + "-") != std::string::npos)
      deadFiles.push_back(name);
  ASSERT_EQ(deadFiles.size(), 3u);
  // A name the user gave that starts as the leftovers do.
  const std::string lookAlike = deadFiles.front().substr(0, deadFiles.front().find("~pemo"));
  writeFileBytes(dir / lookAlike, "user's");
  const std::vector<std::string> before = namesIn(dir.path());

  EXPECT_TRUE(writeFileAtomically(dir / first, "new"));
  std::vector<std::string> expected = before;
  for (const std::string& name : deadFiles) expected.erase(std::find(expected.begin(), expected.end(), name));
  EXPECT_EQ(namesIn(dir.path()), expected);
  EXPECT_EQ(readFileBytes(dir / first), "new");
  EXPECT_EQ(readFileBytes(dir / second), "user's second");

  ::kill(running, SIGKILL);
  ::waitpid(running, nullptr, 0);
}

}  // namespace
}  // namespace pemo::fs
