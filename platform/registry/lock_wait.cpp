#include "platform/registry/lock_wait.h"

#include <algorithm>
#include <thread>

namespace pemo::registry {
namespace {

// Short enough that a lock released is noticed at once, long enough not to spin.
constexpr std::chrono::milliseconds kRetryStep{5};

}  // namespace

std::chrono::milliseconds LockWait::allowed(Clock::time_point now) const {
  std::chrono::milliseconds wait = kUsualWait;
  if (ranOut_) wait = now - lastRanOut_ < kNoWaitAfterRunningOut ? std::chrono::milliseconds(0) : kWaitOnceRunOut;
  if (deadline_) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(*deadline_ - now);
    wait = std::clamp(left, std::chrono::milliseconds(0), wait);
  }
  return wait;
}

bool LockWait::keepWaiting(int attempt) {
  const Clock::time_point now = Clock::now();
  if (attempt == 0) {
    metLock_ = true;
    waitEnds_ = now + allowed(now);
  }
  if (now >= waitEnds_) {
    noteRanOut(now);
    return false;
  }
  std::this_thread::sleep_for(std::min<Clock::duration>(kRetryStep, waitEnds_ - now));
  return true;
}

void LockWait::callEnded(bool ranOut) {
  if (ranOut)
    noteRanOut(Clock::now());
  else if (metLock_)
    ranOut_ = false;
  metLock_ = false;
}

void LockWait::noteRanOut(Clock::time_point now) {
  ranOut_ = true;
  lastRanOut_ = now;
}

std::optional<LockWait::Clock::time_point> LockWait::limitTo(Clock::time_point deadline) {
  std::optional<Clock::time_point> previous = deadline_;
  deadline_ = previous ? std::min(*previous, deadline) : deadline;
  return previous;
}

}  // namespace pemo::registry
