#pragma once
// Work that looks up many Windows paths and changes none (a scan of the menu tree) opens
// a PathLookupScope for its length. While one is open on a thread, the lookups on that
// thread list each folder only once to match a name without regard to case, take the
// current folder once, and find the folders above a name once, instead of asking the
// disk again for every path.
//
// What the disk gains while the scope is open is still seen: the last name of a path is
// always checked on the disk itself, a name found in a kept listing is checked to be
// still there, and a name missing from one is reported missing only when the folder has
// not changed since, or after a fresh listing (a folder that keeps changing is listed
// again at most a few times a second). A name missing below a remembered folder is
// looked up again from the drive down. Changing the current folder or a drive drops
// what was kept.
#include <memory>

namespace pemo::fs {

namespace detail {
class LookupCache;
}

class PathLookupScope {
 public:
  PathLookupScope();  // a scope opened inside another shares the outer one's findings
  ~PathLookupScope();
  PathLookupScope(const PathLookupScope&) = delete;
  PathLookupScope& operator=(const PathLookupScope&) = delete;

 private:
  std::unique_ptr<detail::LookupCache> cache_;  // none when an outer scope is open
};

}  // namespace pemo::fs
