#pragma once
// Several runtimes share the user folder's list files, each holding the list it read at
// its start. A write must not undo what another runtime wrote since: it applies this
// runtime's own changes to the list as the file holds it at that moment.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "runtime/shell/list_file.h"

namespace pemo::shell {

struct MergedList {
  std::vector<ListValue> entries;
  // New entries of this runtime that did not fit under the limit, in its order.
  std::vector<ListValue> leftOut;
};

// `now` with the changes that turned `base` (the list as this runtime last read or wrote
// it) into `mine`: entries `mine` no longer holds leave `now`, new ones join it. Each
// entry is known by its neighbours as well as by its value, so that of equal entries the
// one meant is changed wherever another runtime put more of them. A new entry in the
// place of removed ones takes their place, one for one as a rename; any other goes
// before the entry kept after it, else to the end, after what other runtimes added. When
// nobody else changed the list (`now` is `base`), it is `mine` as it is. The limit stops
// new entries beyond the renames: they join only while the list stays within `limit`,
// the last of them left out first. Entries already in `now` are never cut for it.
MergedList mergedList(const std::vector<ListValue>& base, const std::vector<ListValue>& mine,
                      const std::vector<ListValue>& now, size_t limit);

// Writes the changes from `base` (the list as the file last gave or took it) to `mine`
// into the file as it is now (see mergedList, format.mostEntries its limit) under the
// lock; new entries left out are told. The entries stored, or nothing when the file
// could not be replaced or another runtime kept the lock (see updateListFile). Without
// changes nothing is written and `mine` is what the file holds as far as this runtime
// knows.
std::optional<std::vector<ListValue>> storeListChanges(const std::string& file, const ListFileFormat& format,
                                                       const std::vector<ListValue>& base,
                                                       const std::vector<ListValue>& mine);

}  // namespace pemo::shell
