#pragma once
// Programs for tests: each start is recorded and runs until the test (or a wait) ends it.
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/process/program_port.h"

namespace pemo::process::testing {

class FakePrograms : public ProgramPort {
 public:
  StartResult start(const std::string& commandLine) override;
  StartResult openDocument(const std::string& path) override;
  std::optional<long> exitCode(long pid) override;
  void whenEnded(long pid, std::function<void(long exitCode)> ended) override;
  // Ends the program with `exitCodeOnWait` after running `onWait`.
  void waitForExit(long pid) override;
  bool terminate(long pid, long exitCode) override;

  // Ends a running program with `code` and tells whoever asked to be told.
  void finish(long pid, long code);
  // Ends every running program with `code`.
  void finishAll(long code = 0);

  std::vector<std::string> started;  // command lines, in order
  std::vector<std::string> opened;   // documents, in order
  std::set<std::string> failing;     // command lines and documents that cannot start
  bool refuseAll = false;
  std::set<std::string> documents;   // command lines that open documents
  std::map<long, long> codes;        // process id -> exit code (259 while running)
  std::vector<long> waited, terminated;
  long exitCodeOnWait = 0;
  std::function<void()> onWait;      // what happens meanwhile, on the page or in the script
  long nextPid = 1000;
  long lastPid = 0;                  // of the last start that succeeded

 private:
  StartResult record(std::vector<std::string>& list, const std::string& what, bool opener);
  std::multimap<long, std::function<void(long)>> watchers_;
};

}  // namespace pemo::process::testing
