#pragma once
// The programs as the windows' thread needs them: the end of a program is told from the
// application's event loop, and a wait in place keeps windows and timers working.
#include <memory>

#include "platform/process/system_programs.h"

namespace pemo::process {

class QtPrograms : public SystemPrograms {
 public:
  QtPrograms();
  ~QtPrograms() override;
  QtPrograms(const QtPrograms&) = delete;
  QtPrograms& operator=(const QtPrograms&) = delete;

  // `ended` runs on the thread that made this object, from its event loop; an end told
  // after this object is gone is dropped.
  void whenEnded(long pid, std::function<void(long exitCode)> ended) override;
  // On the application's thread a nested event loop, woken by the child's end, runs
  // meanwhile; elsewhere the thread blocks.
  void waitForExit(long pid) override;

 private:
  struct Relay;
  std::shared_ptr<Relay> relay_;
};

}  // namespace pemo::process
