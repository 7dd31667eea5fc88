#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "platform/registry/registry.h"

namespace pemo::registry {
namespace {

pid_t startClient(std::vector<std::string> args) {
  args.insert(args.begin(), REGISTRY_TEST_CLIENT);
  pid_t pid = fork();
  if (pid == 0) {
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  return pid;
}

int waitFor(pid_t pid) {
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string clientOutput(const std::string& args) {
  std::string command = std::string(REGISTRY_TEST_CLIENT) + " " + args;
  FILE* pipe = popen(command.c_str(), "r");
  std::string out;
  char buffer[64];
  while (fgets(buffer, sizeof buffer, pipe)) out += buffer;
  EXPECT_EQ(pclose(pipe), 0);
  return out;
}

TEST(RegistryProcesses, ConcurrentWritersLoseNothing) {
  const std::string key = ".Default\\Software\\Kalvo\\Pemo\\Run\\shared";
  pid_t first = startClient({"write", key, "a", "500"});
  pid_t second = startClient({"write", key, "b", "500"});
  ASSERT_GT(first, 0);
  ASSERT_GT(second, 0);
  EXPECT_EQ(waitFor(first), 0);
  EXPECT_EQ(waitFor(second), 0);

  Key opened = 0;
  ASSERT_EQ(openKey(kUsers, key, opened), kSuccess);
  std::set<std::string> names;
  std::string name;
  Value value;
  for (uint32_t i = 0; enumValue(opened, i, name, value) == kSuccess; ++i) {
    EXPECT_EQ(value.data, "data " + name);
    names.insert(name);
  }
  EXPECT_EQ(names.size(), 1000u);
  EXPECT_TRUE(names.count("a499") && names.count("b0"));
  closeKey(opened);

  EXPECT_EQ(clientOutput("count '" + key + "'"), "1000\n");
}

TEST(RegistryProcesses, SharedCountersNeverRepeat) {
  // Two processes drawing numbers at once, as window handles are drawn.
  FILE* first = popen((std::string(REGISTRY_TEST_CLIENT) + " counter windows 200").c_str(), "r");
  FILE* second = popen((std::string(REGISTRY_TEST_CLIENT) + " counter windows 200").c_str(), "r");
  std::set<long long> seen;
  for (FILE* pipe : {first, second}) {
    long long value = 0;
    while (fscanf(pipe, "%lld", &value) == 1) EXPECT_TRUE(seen.insert(value).second) << value;
    EXPECT_EQ(pclose(pipe), 0);
  }
  EXPECT_EQ(seen.size(), 400u);
  EXPECT_EQ(*seen.begin(), 1);
  EXPECT_EQ(nextCounterValue("windows"), 401);
}

}  // namespace
}  // namespace pemo::registry

namespace pemo::registry {
namespace {

// A batch's writes are read back at once by the process that makes them, reach other
// processes when the batch ends, and a write that fails inside it undoes nothing else.
TEST(RegistryProcesses, ABatchsWritesAreAllKeptAndReachOthersWhenItEnds) {
  const std::string path = ".Default\\Software\\Kalvo\\Pemo\\SW";
  Key key = 0;
  ASSERT_EQ(createKey(kUsers, path, "", key), kSuccess);
  ASSERT_EQ(setValue(key, "TreeView", kString, "True"), kSuccess);
  {
    WriteBatch batch;
    {
      WriteBatch inner;
      EXPECT_EQ(setValue(key, "SegmentPosition", kString, "200"), kSuccess);
    }
    Key gone = 0;
    ASSERT_EQ(createKey(kUsers, path + "\\gone", "", gone), kSuccess);
    ASSERT_EQ(deleteKey(kUsers, path + "\\gone"), kSuccess);
    EXPECT_EQ(setValue(gone, "x", kString, "y"), kKeyDeleted);
    EXPECT_EQ(setValue(key, "ShowLaunch", kString, "1"), kSuccess);
    EXPECT_EQ(setValue(key, "TreeView", kString, "False"), kSuccess);
    Value value;
    ASSERT_EQ(queryValue(key, "SegmentPosition", value), kSuccess);
    EXPECT_EQ(value.data, "200");
  }
  EXPECT_EQ(clientOutput("count '" + path + "'"), "3\n");
  std::string name;
  Value value;
  std::vector<std::string> stored;
  for (uint32_t i = 0; enumValue(key, i, name, value) == kSuccess; ++i) stored.push_back(name + "=" + value.data);
  EXPECT_EQ(stored, (std::vector<std::string>{"TreeView=False", "SegmentPosition=200", "ShowLaunch=1"}));
  closeKey(key);
}

}  // namespace
}  // namespace pemo::registry
