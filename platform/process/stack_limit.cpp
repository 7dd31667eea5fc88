#include "platform/process/stack_limit.h"

#include <sys/resource.h>

#include <optional>

namespace pemo::process {

namespace {

// The limits as given and as raised; unset until a raise changed anything.
std::optional<rlimit> given;
std::optional<rlimit> raised;

}  // namespace

void raiseStackLimit(std::size_t bytes) {
  rlimit limit{};
  if (getrlimit(RLIMIT_STACK, &limit) != 0) return;
  const rlim_t wanted = static_cast<rlim_t>(bytes);
  if (limit.rlim_cur == RLIM_INFINITY || limit.rlim_cur >= wanted) return;
  rlimit higher = limit;
  higher.rlim_cur = limit.rlim_max == RLIM_INFINITY || limit.rlim_max > wanted ? wanted : limit.rlim_max;
  if (setrlimit(RLIMIT_STACK, &higher) != 0) return;
  if (!given) given = limit;
  raised = higher;
}

GivenStackLimit::GivenStackLimit() {
  if (given) setrlimit(RLIMIT_STACK, &*given);
}

GivenStackLimit::~GivenStackLimit() {
  if (raised) setrlimit(RLIMIT_STACK, &*raised);
}

}  // namespace pemo::process
