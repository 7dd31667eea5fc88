#pragma once
// How long registry calls wait for a lock another program holds on the database.
//
// One call waits a few seconds at most. Once a wait has run out, the database is taken
// to be held for long: calls right after do not wait at all, and one a moment later
// waits only briefly, until one meets a lock and still gets through. So many calls in a
// row (a script's statements, the windows of a start) do not add up to minutes. A
// limit, set for a program's start or close, bounds the waits of all its calls
// together, so that the program goes on with what it has instead of freezing.
//
// It takes no lock of its own: it relies on the registry's mutex. The registry keeps one
// LockWait for the process, and every call reaches it with that mutex held: allowed()
// when a connection opens, keepWaiting() from SQLite's busy handler inside a call,
// callEnded() after it (registry.cpp's guarded()), limitTo() and restoreLimit() from a
// WaitLimit. Used anywhere else, its caller must hold a lock around every call.
#include <chrono>
#include <optional>

namespace pemo::registry {

class LockWait {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr std::chrono::milliseconds kUsualWait{5000};
  static constexpr std::chrono::milliseconds kWaitOnceRunOut{200};
  // How long after a wait ran out the next call does not wait at all.
  static constexpr std::chrono::milliseconds kNoWaitAfterRunningOut{1000};

  // How long a call that meets a lock now may wait for it.
  std::chrono::milliseconds allowed(Clock::time_point now) const;

  // SQLite's busy handler: whether to try again, after a short sleep; attempt is 0 when a
  // call first meets the lock.
  bool keepWaiting(int attempt);
  // Told after each call: ranOut when it failed for a lock it could not get.
  void callEnded(bool ranOut);

  // Waits from now on end by deadline at the latest, until the limit is restored to
  // what this returns. An earlier limit already set stays.
  std::optional<Clock::time_point> limitTo(Clock::time_point deadline);
  void restoreLimit(std::optional<Clock::time_point> previous) { deadline_ = previous; }

 private:
  void noteRanOut(Clock::time_point now);

  std::optional<Clock::time_point> deadline_;
  bool ranOut_ = false;
  Clock::time_point lastRanOut_;
  bool metLock_ = false;
  Clock::time_point waitEnds_;
};

}  // namespace pemo::registry
