#pragma once
// Several runtimes share the user folder's list files, each holding the list it read at
// its start. A write must not undo what another runtime wrote since: it applies this
// runtime's own changes to the list as the file holds it at that moment.
#include <vector>

#include "runtime/shell/list_file.h"

namespace pemo::shell {

// `now` with the changes that turned `base` (the list as this runtime last read or wrote
// it) into `mine`: entries `mine` no longer holds leave `now`, new ones join it. A new
// entry in the place of removed ones takes their place; one behind the last entry kept
// goes to the end, after what other runtimes added. Equal entries count one by one.
std::vector<ListValue> mergedList(const std::vector<ListValue>& base, const std::vector<ListValue>& mine,
                                  std::vector<ListValue> now);

}  // namespace pemo::shell
