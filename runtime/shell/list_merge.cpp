#include "runtime/shell/list_merge.h"

#include <algorithm>
#include <map>
#include <optional>

namespace pemo::shell {
namespace {

// Which entries of `a` and of `b` are kept on both sides: a longest run of entries common
// to both, in order, found by the shortest edit between them (Myers). It takes time and
// room for the number of changes, not for the length of the lists, so a long list with a
// few changes costs little.
struct Kept {
  std::vector<bool> ofA;
  std::vector<bool> ofB;
};
Kept keptEntries(const std::vector<ListValue>& a, const std::vector<ListValue>& b) {
  const long n = static_cast<long>(a.size());
  const long m = static_cast<long>(b.size());
  const long most = n + m;
  // furthest[k + most]: how far along `a` the edits so far reach on diagonal k = x - y.
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
  }
  Kept kept{std::vector<bool>(a.size()), std::vector<bool>(b.size())};
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
    for (; x > editX && y > editY; --x, --y) kept.ofA[static_cast<size_t>(x - 1)] = kept.ofB[static_cast<size_t>(y - 1)] = true;
    x = fromX;
    y = fromY;
  }
  return kept;
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

// `now` with the changes from `base` to `mine`, entries kept on both sides as given.
std::vector<ListValue> applied(const std::vector<ListValue>& base, const std::vector<ListValue>& mine,
                               const Kept& kept, std::vector<ListValue> now) {
  std::map<ListValue, size_t> seen;
  auto baseEntry = [&](size_t b) { return BaseEntry{&base[b], seen[base[b]]++}; };
  // Both lists walked side by side: the changes lie between the entries kept.
  size_t b = 0;
  size_t m = 0;
  while (b < base.size() || m < mine.size()) {
    Change change;
    for (; b < base.size() && !kept.ofA[b]; ++b) change.removed.push_back(baseEntry(b));
    for (; m < mine.size() && !kept.ofB[m]; ++m) change.added.push_back(mine[m]);
    apply(change, b < base.size() ? std::optional(baseEntry(b)) : std::nullopt, now);
    ++b;
    ++m;
  }
  return now;
}

}  // namespace

MergedList mergedList(const std::vector<ListValue>& base, const std::vector<ListValue>& mine,
                      const std::vector<ListValue>& now, size_t limit) {
  if (mine == base) return {now, {}};
  if (now == base) return {mine, {}};
  Kept kept = keptEntries(base, mine);
  MergedList merged{applied(base, mine, kept, now), {}};
  if (merged.entries.size() <= limit) return merged;
  // Each new entry left out makes the list one shorter; the last ones go first.
  size_t over = merged.entries.size() - limit;
  std::vector<ListValue> fitting;
  Kept keptOfFitting{kept.ofA, {}};
  for (size_t i = mine.size(); i-- > 0;) {
    if (!kept.ofB[i] && over > 0) {
      merged.leftOut.insert(merged.leftOut.begin(), mine[i]);
      --over;
      continue;
    }
    fitting.insert(fitting.begin(), mine[i]);
    keptOfFitting.ofB.insert(keptOfFitting.ofB.begin(), kept.ofB[i]);
  }
  if (merged.leftOut.empty()) return merged;
  merged.entries = applied(base, fitting, keptOfFitting, now);
  return merged;
}

}  // namespace pemo::shell
