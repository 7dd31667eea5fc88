#include "platform/process/tests/fake_programs.h"

namespace pemo::process::testing {

StartResult FakePrograms::record(std::vector<std::string>& list, const std::string& what, bool opener) {
  list.push_back(what);
  if (refuseAll || failing.count(what)) return StartResult{0, "cannot start " + what};
  lastPid = nextPid++;
  codes[lastPid] = kStillActive;
  return StartResult{lastPid, {}, opener};
}

StartResult FakePrograms::start(const std::string& commandLine) {
  return record(started, commandLine, documents.count(commandLine) > 0);
}

StartResult FakePrograms::openDocument(const std::string& path) { return record(opened, path, true); }

std::optional<long> FakePrograms::exitCode(long pid) {
  auto found = codes.find(pid);
  if (found == codes.end()) return std::nullopt;
  return found->second;
}

void FakePrograms::whenEnded(long pid, std::function<void(long exitCode)> ended) {
  if (isRunning(pid)) {
    watchers_.emplace(pid, std::move(ended));
    return;
  }
  ended(exitCode(pid).value_or(0));
}

void FakePrograms::waitForExit(long pid) {
  waited.push_back(pid);
  if (onWait) onWait();
  if (isRunning(pid)) finish(pid, exitCodeOnWait);
}

bool FakePrograms::terminate(long pid, long exitCode) {
  if (!isRunning(pid)) return false;
  terminated.push_back(pid);
  finish(pid, exitCode);
  return true;
}

void FakePrograms::finish(long pid, long code) {
  codes[pid] = code;
  auto [first, last] = watchers_.equal_range(pid);
  std::vector<std::function<void(long)>> told;
  for (auto it = first; it != last; ++it) told.push_back(std::move(it->second));
  watchers_.erase(first, last);
  for (auto& ended : told) ended(code);
}

void FakePrograms::finishAll(long code) {
  for (const auto& [pid, exit] : std::map<long, long>(codes))
    if (exit == kStillActive) finish(pid, code);
}

}  // namespace pemo::process::testing
