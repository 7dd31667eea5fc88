#include "runtime/shell/list_merge.h"

#include <algorithm>
#include <map>
#include <optional>

namespace pemo::shell {
namespace {

// For each entry of `list`, whether `other` holds it too: of equal entries, as many as
// `other` holds, the first ones.
std::vector<bool> heldBy(const std::vector<ListValue>& list, const std::vector<ListValue>& other) {
  std::map<ListValue, size_t> counts;
  for (const ListValue& entry : other) ++counts[entry];
  std::vector<bool> held(list.size());
  for (size_t i = 0; i < list.size(); ++i) {
    auto count = counts.find(list[i]);
    if (count != counts.end() && count->second > 0) {
      --count->second;
      held[i] = true;
    }
  }
  return held;
}

// An entry of the base list: its value, and how many equal ones come before it there.
struct BaseEntry {
  const ListValue* value;
  size_t occurrence;
};

// One run of changes between two entries kept on both sides.
struct Change {
  std::vector<BaseEntry> removed;
  std::vector<ListValue> added;
};

// The place of a base entry in `list`: the same occurrence of its value, else the last
// one left (another runtime removed one of the equal entries); the end for none.
size_t placeOf(const std::vector<ListValue>& list, const BaseEntry& entry) {
  size_t seen = 0;
  size_t last = list.size();
  for (size_t i = 0; i < list.size(); ++i) {
    if (list[i] != *entry.value) continue;
    if (seen++ == entry.occurrence) return i;
    last = i;
  }
  return last;
}

// Applies one change to `list`; `next` is the kept entry that follows it, if any.
void apply(const Change& change, const std::optional<BaseEntry>& next, std::vector<ListValue>& list) {
  std::optional<size_t> place;
  for (const BaseEntry& gone : change.removed) {
    const size_t at = placeOf(list, gone);
    if (at == list.size()) continue;  // another runtime removed it too
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(at));
    place = std::min(place.value_or(at), at);
  }
  if (change.added.empty()) return;
  if (!place) place = next ? placeOf(list, *next) : list.size();
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(*place), change.added.begin(), change.added.end());
}

}  // namespace

std::vector<ListValue> mergedList(const std::vector<ListValue>& base, const std::vector<ListValue>& mine,
                                  std::vector<ListValue> now) {
  if (mine == base) return now;
  const std::vector<bool> keptOfBase = heldBy(base, mine);
  const std::vector<bool> keptOfMine = heldBy(mine, base);
  std::map<ListValue, size_t> seen;
  auto baseEntry = [&](size_t b) { return BaseEntry{&base[b], seen[base[b]]++}; };
  // Both lists walked side by side: the changes lie between the entries kept.
  size_t b = 0;
  size_t m = 0;
  while (b < base.size() || m < mine.size()) {
    Change change;
    for (; b < base.size() && !keptOfBase[b]; ++b) change.removed.push_back(baseEntry(b));
    for (; m < mine.size() && !keptOfMine[m]; ++m) change.added.push_back(mine[m]);
    apply(change, b < base.size() ? std::optional(baseEntry(b)) : std::nullopt, now);
    ++b;
    ++m;
  }
  return now;
}

}  // namespace pemo::shell
