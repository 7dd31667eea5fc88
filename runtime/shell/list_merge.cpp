#include "runtime/shell/list_merge.h"

#include <algorithm>
#include <map>
#include <optional>

namespace pemo::shell {
namespace {

// Which entries of `a` and of `b` are kept on both sides: a longest run of entries common
// to both, in order, found by the shortest edit between them (Myers). It takes time and
// room for the number of changes, not for the length of the lists, so a long list with a
// few changes costs little. Beyond a thousand changes (no one edits a list that much
// in one session) nothing counts as kept: the list is replaced by this runtime's.
struct Kept {
  std::vector<bool> ofA;
  std::vector<bool> ofB;
};
constexpr long kMostEdits = 1000;
Kept keptEntries(const std::vector<ListValue>& a, const std::vector<ListValue>& b) {
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
    if (edits == kMostEdits) return Kept{std::vector<bool>(a.size()), std::vector<bool>(b.size())};
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

// Where the entries of the base list stand in `now`, another runtime's version of it: an
// entry is the same occurrence of its value there. Places are taken in `now` as it was
// read, so that neither our removals nor our additions shift them.
class Places {
 public:
  explicit Places(const std::vector<ListValue>& now) : removed_(now.size()) {
    for (size_t i = 0; i < now.size(); ++i) places_[now[i]].push_back(i);
  }

  // The place of the base list's next entry of this value, or of the last one of the
  // value left when another runtime removed some of the equal entries; none for none.
  std::optional<size_t> next(const ListValue& value) {
    const size_t occurrence = seen_[value]++;
    const auto places = places_.find(value);
    if (places == places_.end()) return std::nullopt;
    if (occurrence < places->second.size()) return places->second[occurrence];
    return places->second.back();
  }
  // Takes the base list's next entry of this value out; its place, or none when another
  // runtime removed it too.
  std::optional<size_t> remove(const ListValue& value) {
    std::optional<size_t> place = next(value);
    if (place && removed_[*place]) {
      // Its place is one left over for an entry beyond the equal ones `now` holds.
      place.reset();
      for (size_t p : places_[value])
        if (!removed_[p]) place = p;
    }
    if (place) removed_[*place] = true;
    return place;
  }
  bool removed(size_t place) const { return removed_[place]; }

 private:
  std::map<ListValue, std::vector<size_t>> places_;
  std::map<ListValue, size_t> seen_;
  std::vector<bool> removed_;
};

// `now` with the changes from `base` to `mine`, entries kept on both sides as given.
std::vector<ListValue> applied(const std::vector<ListValue>& base, const std::vector<ListValue>& mine,
                               const Kept& kept, const std::vector<ListValue>& now) {
  Places places(now);
  // New entries by the place in `now` they go before; the last, after everything.
  std::vector<std::vector<ListValue>> addedBefore(now.size() + 1);
  // Both lists walked side by side: the changes lie between the entries kept.
  size_t b = 0;
  size_t m = 0;
  while (b < base.size() || m < mine.size()) {
    std::optional<size_t> firstRemoved;
    for (; b < base.size() && !kept.ofA[b]; ++b)
      if (const auto place = places.remove(base[b])) firstRemoved = std::min(firstRemoved.value_or(*place), *place);
    std::vector<ListValue> added;
    for (; m < mine.size() && !kept.ofB[m]; ++m) added.push_back(mine[m]);
    const std::optional<size_t> nextKept = b < base.size() ? places.next(base[b]) : std::nullopt;
    // A new entry takes the place of the ones it replaced, else goes before the entry
    // kept after it, else to the end.
    if (!added.empty()) {
      auto& to = addedBefore[firstRemoved.value_or(nextKept.value_or(now.size()))];
      to.insert(to.end(), added.begin(), added.end());
    }
    ++b;
    ++m;
  }
  std::vector<ListValue> merged;
  for (size_t i = 0; i <= now.size(); ++i) {
    merged.insert(merged.end(), addedBefore[i].begin(), addedBefore[i].end());
    if (i < now.size() && !places.removed(i)) merged.push_back(now[i]);
  }
  return merged;
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
