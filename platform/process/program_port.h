#pragma once
// The one way every part of the system starts programs and documents and watches them:
// the page's links, script statements, the launcher bar, the running-programs list and
// the editor's test run. SystemPrograms is the real one; tests use FakePrograms.
#include <functional>
#include <optional>
#include <string>

namespace pemo::process {

// The exit code that means "still running", as Windows reports it.
constexpr long kStillActive = 259;

struct StartResult {
  long pid = 0;         // 0 when the start failed
  std::string error;    // why it failed
  // The process is the desktop's opener of a document or folder, not the program
  // named: its non-zero exit code means the document could not be shown.
  bool opener = false;
  explicit operator bool() const { return pid != 0; }
};

class ProgramPort {
 public:
  virtual ~ProgramPort() = default;

  // Starts a command line the way Windows does: a program runs with its
  // arguments (split by the Windows rules, never through a shell), a document or folder
  // opens with the desktop's program.
  virtual StartResult start(const std::string& commandLine) = 0;
  // Opens a document or folder, named by a Windows or host path, with the desktop's
  // program; fails when nothing exists there.
  virtual StartResult openDocument(const std::string& path) = 0;

  // kStillActive while the program runs, its exit code after; nothing for a process id
  // that this program did not start (ids are reused by the system).
  virtual std::optional<long> exitCode(long pid) = 0;
  bool isRunning(long pid) { return exitCode(pid) == kStillActive; }

  // Calls `ended` with the exit code once the program has ended (0 for a process id not
  // started here). The window's port calls it from the window's event loop, never from
  // inside this call; callers keep nothing in it that may be gone by then.
  virtual void whenEnded(long pid, std::function<void(long exitCode)> ended) = 0;
  // Returns when the program has ended. Only for a statement that must wait in place
  // (a script's EXECUTE /W, a link run with the page locked): the window's port keeps
  // the window's events going meanwhile; prefer whenEnded everywhere else.
  virtual void waitForExit(long pid) = 0;

  // Ends a running program; its exit code becomes `exitCode`. False when it is not a
  // running program started here.
  virtual bool terminate(long pid, long exitCode) = 0;
};

}  // namespace pemo::process
