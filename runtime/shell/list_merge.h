#pragma once
// Several runtimes share the user folder's list files, each holding the list it read at
// its start. A write must not undo what another runtime wrote since: it applies this
// runtime's own changes to the list as the file holds it at that moment.
#include <cstddef>
#include <vector>

#include "runtime/shell/list_file.h"

namespace pemo::shell {

struct MergedList {
  std::vector<ListValue> entries;
  // New entries of this runtime that did not fit under the limit, in its order.
  std::vector<ListValue> leftOut;
};

// `now` with the changes that turned `base` (the list as this runtime last read or wrote
// it) into `mine`: entries `mine` no longer holds leave `now`, new ones join it. A new
// entry in the place of removed ones takes their place; one behind the last entry kept
// goes to the end, after what other runtimes added. The changes are the fewest that
// turn `base` into `mine`, so equal entries keep their order. When nobody else changed
// the list (`now` is `base`), it is `mine` as it is. New entries join only while the
// list holds fewer than `limit`; the last of them are left out first.
MergedList mergedList(const std::vector<ListValue>& base, const std::vector<ListValue>& mine,
                      const std::vector<ListValue>& now, size_t limit);

}  // namespace pemo::shell
