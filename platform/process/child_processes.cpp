#include "platform/process/child_processes.h"
#include "platform/process/stack_limit.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <map>
#include <mutex>
#include <thread>

extern char** environ;

namespace pemo::process {
namespace {

struct Child {
  bool running = true;
  long exitCode = kStillActive;
  std::optional<long> forcedExitCode;
  std::vector<std::function<void()>> onExit;
};

struct Table {
  std::mutex mutex;
  std::condition_variable ended;
  std::map<long, Child> children;
};

Table& table() {
  static Table* t = new Table;  // outlives the reaper threads at program exit
  return *t;
}

long decodeStatus(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return 0;
}

// One thread per child waits for exactly that child, so other code's children (Qt's
// own processes among them) are never reaped here.
void reap(long pid) {
  int status = 0;
  while (waitpid(static_cast<pid_t>(pid), &status, 0) < 0 && errno == EINTR) {
  }
  std::vector<std::function<void()>> callbacks;
  {
    std::lock_guard lock(table().mutex);
    Child& child = table().children[pid];
    child.running = false;
    child.exitCode = child.forcedExitCode.value_or(decodeStatus(status));
    callbacks.swap(child.onExit);
  }
  table().ended.notify_all();
  for (auto& done : callbacks) done();
}

}  // namespace

long spawnProgram(const std::vector<std::string>& argv, std::string* error) {
  if (argv.empty()) {
    if (error) *error = "no program";
    return 0;
  }
  std::vector<char*> args;
  for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);

  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  sigset_t none, all;
  sigemptyset(&none);
  sigfillset(&all);
  posix_spawnattr_setsigmask(&attr, &none);
  posix_spawnattr_setsigdefault(&attr, &all);

  pid_t pid = 0;
  int rc;
  {
    // Registered under the lock so that a very short-lived child is known before its
    // reaper records the end.
    std::lock_guard lock(table().mutex);
    GivenStackLimit given;
    rc = posix_spawn(&pid, argv[0].c_str(), nullptr, &attr, args.data(), environ);
    if (rc == 0) table().children[pid] = Child{};
  }
  posix_spawnattr_destroy(&attr);
  if (rc != 0) {
    if (error) *error = std::strerror(rc);
    return 0;
  }
  std::thread(reap, static_cast<long>(pid)).detach();
  return pid;
}

std::optional<long> childExitCode(long pid) {
  std::lock_guard lock(table().mutex);
  auto it = table().children.find(pid);
  if (it == table().children.end()) return std::nullopt;
  return it->second.running ? kStillActive : it->second.exitCode;
}

bool isRunningChild(long pid) { return childExitCode(pid) == kStillActive; }

bool terminateChild(long pid, long exitCode) {
  std::lock_guard lock(table().mutex);
  auto it = table().children.find(pid);
  if (it == table().children.end() || !it->second.running) return false;
  it->second.forcedExitCode = exitCode;
  return kill(static_cast<pid_t>(pid), SIGTERM) == 0;
}

void blockUntilExited(long pid) {
  std::unique_lock lock(table().mutex);
  table().ended.wait(lock, [pid] {
    auto it = table().children.find(pid);
    return it == table().children.end() || !it->second.running;
  });
}

void notifyOnExit(long pid, std::function<void()> done) {
  {
    std::lock_guard lock(table().mutex);
    auto it = table().children.find(pid);
    if (it != table().children.end() && it->second.running) {
      it->second.onExit.push_back(std::move(done));
      return;
    }
  }
  done();
}

}  // namespace pemo::process
