#include "runtime/shell/list_merge.h"

#include <algorithm>
#include <map>
#include <span>

namespace pemo::shell {
namespace {

using Entries = std::span<const ListValue>;
constexpr size_t kNone = static_cast<size_t>(-1);

// Beyond this many changes between two lists (no one edits a list that much in one
// session) the shortest edit is not looked for: its time grows with their number.
constexpr long kMostEdits = 1000;

// Sets partner[i] to the entry of `b` that a[i] is kept as on the shortest edit between
// the two (Myers), leaving the others; false, with nothing set, beyond kMostEdits. It
// takes time and room for the number of changes, not for the length of the lists. Both
// lists hold entries.
bool shortestEdit(Entries a, Entries b, std::span<size_t> partner) {
  const long n = static_cast<long>(a.size());
  const long m = static_cast<long>(b.size());
  const long most = n + m;
  // at(k): how far along `a` the edits so far reach on diagonal k = x - y.
  std::vector<long> furthest(static_cast<size_t>(2 * most + 2), 0);
  // Each round's diagonals -d..d as they were before the round, to walk back.
  std::vector<std::vector<long>> rounds;
  const auto at = [&](long k) -> long& { return furthest[static_cast<size_t>(k + most + 1)]; };
  long edits = 0;
  for (;; ++edits) {
    rounds.emplace_back(furthest.begin() + (most + 1 - edits), furthest.begin() + (most + 1 + edits + 1));
    bool done = false;
    for (long k = -edits; k <= edits && !done; k += 2) {
      long x = (k == -edits || (k != edits && at(k - 1) < at(k + 1))) ? at(k + 1) : at(k - 1) + 1;
      long y = x - k;
      while (x < n && y < m && a[static_cast<size_t>(x)] == b[static_cast<size_t>(y)]) ++x, ++y;
      at(k) = x;
      done = x >= n && y >= m;
    }
    if (done) break;
    if (edits == kMostEdits) return false;
  }
  // Walked back from the end: each round's edit, and the common entries after it.
  long x = n;
  long y = m;
  for (long d = edits; d >= 0; --d) {
    long editX = 0;
    long editY = 0;
    long fromX = 0;
    long fromY = 0;
    if (d > 0) {
      const std::vector<long>& before = rounds[static_cast<size_t>(d)];
      const auto reached = [&](long k) { return before[static_cast<size_t>(k + d)]; };
      const long k = x - y;
      const bool fromAbove = k == -d || (k != d && reached(k - 1) < reached(k + 1));
      const long fromK = fromAbove ? k + 1 : k - 1;
      fromX = reached(fromK);
      fromY = fromX - fromK;
      editX = fromAbove ? fromX : fromX + 1;  // an entry of `b` added, or one of `a` removed
      editY = editX - k;
    }
    for (; x > editX && y > editY; --x, --y) partner[static_cast<size_t>(x - 1)] = static_cast<size_t>(y - 1);
    x = fromX;
    y = fromY;
  }
  return true;
}

// Sets partner[i] for equal entries paired in order as they come, each with the first
// one of `b` after the last pair: not the most pairs, but in order and in little time.
void pairedInOrder(Entries a, Entries b, std::span<size_t> partner) {
  std::map<ListValue, std::vector<size_t>> places;
  for (size_t j = 0; j < b.size(); ++j) places[b[j]].push_back(j);
  size_t after = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    const auto equal = places.find(a[i]);
    if (equal == places.end()) continue;
    const auto next = std::lower_bound(equal->second.begin(), equal->second.end(), after);
    if (next == equal->second.end()) continue;
    partner[i] = *next;
    after = *next + 1;
  }
}

// For each entry of `a`, the entry of `b` it is kept as, or kNone: a longest run of
// entries common to both, in order, so that among equal entries each is paired by the
// entries around it. The common start and end are paired first; what lies between by
// the shortest edit, or in order where that has too many changes.
std::vector<size_t> partnersOf(const std::vector<ListValue>& a, const std::vector<ListValue>& b) {
  std::vector<size_t> partner(a.size(), kNone);
  size_t start = 0;
  for (; start < a.size() && start < b.size() && a[start] == b[start]; ++start) partner[start] = start;
  size_t endA = a.size();
  size_t endB = b.size();
  for (; endA > start && endB > start && a[endA - 1] == b[endB - 1]; --endA, --endB) partner[endA - 1] = endB - 1;
  if (endA == start || endB == start) return partner;
  const Entries middleA(a.data() + start, endA - start);
  const Entries middleB(b.data() + start, endB - start);
  std::vector<size_t> middle(middleA.size(), kNone);
  if (!shortestEdit(middleA, middleB, middle)) pairedInOrder(middleA, middleB, middle);
  for (size_t i = 0; i < middle.size(); ++i)
    if (middle[i] != kNone) partner[start + i] = start + middle[i];
  return partner;
}

}  // namespace

MergedList mergedList(const std::vector<ListValue>& base, const std::vector<ListValue>& mine,
                      const std::vector<ListValue>& now, size_t limit) {
  if (mine == base) return {now, {}};
  const std::vector<size_t> inNow = partnersOf(base, now);
  const std::vector<size_t> inMine = partnersOf(base, mine);
  // The place in `now` of base[i], or of the first entry after it that `now` still holds.
  std::vector<size_t> placeFrom(base.size() + 1, now.size());
  for (size_t i = base.size(); i-- > 0;) placeFrom[i] = inNow[i] != kNone ? inNow[i] : placeFrom[i + 1];

  // Both lists walked side by side: the changes lie between the entries kept.
  struct NewEntry {
    size_t ofMine;
    size_t place;  // in `now`, which it goes before
    bool grows;    // not a rename: it makes the list longer
  };
  std::vector<NewEntry> added;
  std::vector<bool> removed(now.size());
  size_t removedCount = 0;
  for (size_t b = 0, m = 0; b <= base.size();) {
    size_t kept = b;
    while (kept < base.size() && inMine[kept] == kNone) ++kept;
    const size_t keptInMine = kept < base.size() ? inMine[kept] : mine.size();
    // A new entry takes the place of the ones it replaced, else goes before the entry
    // kept after it. Each one that replaces an entry still in `now` is a rename.
    size_t place = placeFrom[kept];
    size_t renames = 0;
    for (size_t i = b; i < kept; ++i) {
      if (inNow[i] == kNone) continue;  // another runtime removed it too
      removed[inNow[i]] = true;
      ++removedCount;
      ++renames;
      place = std::min(place, inNow[i]);
    }
    for (size_t j = m; j < keptInMine; ++j) added.push_back({j, place, j - m >= renames});
    b = kept + 1;
    m = keptInMine + 1;
  }

  // The limit stops new entries, the last first; renames and entries of `now` stay.
  size_t length = now.size() - removedCount + added.size();
  std::vector<bool> leftOut(added.size());
  for (size_t k = added.size(); k-- > 0 && length > limit;) {
    if (!added[k].grows) continue;
    leftOut[k] = true;
    --length;
  }
  MergedList merged;
  std::vector<std::vector<const ListValue*>> addedBefore(now.size() + 1);
  for (size_t k = 0; k < added.size(); ++k) {
    const ListValue& entry = mine[added[k].ofMine];
    if (leftOut[k])
      merged.leftOut.push_back(entry);
    else
      addedBefore[added[k].place].push_back(&entry);
  }
  for (size_t i = 0; i <= now.size(); ++i) {
    for (const ListValue* entry : addedBefore[i]) merged.entries.push_back(*entry);
    if (i < now.size() && !removed[i]) merged.entries.push_back(now[i]);
  }
  return merged;
}

std::optional<std::vector<ListValue>> storeListChanges(const std::string& file, const ListFileFormat& format,
                                                       const std::vector<ListValue>& base,
                                                       const std::vector<ListValue>& mine) {
  // A list this runtime did not change is left as the file holds it, however it is
  // written there.
  if (mine == base) return mine;
  std::vector<ListValue> leftOut;
  const auto stored = updateListFile(file, format, [&](std::vector<ListValue> now) {
    MergedList merged = mergedList(base, mine, now, format.mostEntries);
    leftOut = std::move(merged.leftOut);
    return std::move(merged.entries);
  });
  if (stored && !leftOut.empty()) tellListFull();
  return stored;
}

}  // namespace pemo::shell
