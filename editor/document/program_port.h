#pragma once
// Starting the programs the editor hands work to: the script editor, the runtime for a
// test run, the help viewer.
#include <functional>
#include <string>

namespace pemo::editor {

class ProgramPort {
 public:
  virtual ~ProgramPort() = default;
  inline static constexpr long kStillActive = 259;
  // Starts a command line; the process id, 0 when it could not be started.
  virtual long start(const std::string& commandLine) = 0;
  // Opens a document with the desktop's program; false when that failed.
  virtual bool openDocument(const std::string& path) = 0;
  // kStillActive while the process runs, then its exit code.
  virtual long exitCode(long pid) = 0;
  // Calls `ended` on the caller's thread, later, once the process has ended.
  virtual void whenEnded(long pid, std::function<void()> ended) = 0;
  // Ends the process; nothing for one that has ended.
  virtual void terminate(long pid) = 0;
};

}  // namespace pemo::editor
