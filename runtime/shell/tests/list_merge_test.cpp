#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

#include "runtime/shell/list_merge.h"

using namespace pemo::shell;

namespace pemo::shell {
// An entry in a failure's message: its caption.
void PrintTo(const ListValue& value, std::ostream* out) { *out << value.caption; }
}  // namespace pemo::shell

namespace {

// Entries named by one letter (or word) each.
std::vector<ListValue> list(std::initializer_list<const char*> names) {
  std::vector<ListValue> values;
  for (const char* name : names) values.push_back({name, std::string(name) + ".EXE"});
  return values;
}

std::vector<ListValue> numbered(int count, const std::string& prefix = "p") {
  std::vector<ListValue> values;
  for (int i = 0; i < count; ++i) values.push_back({prefix + std::to_string(i), "P.EXE"});
  return values;
}

constexpr size_t kNoLimit = static_cast<size_t>(-1);

}  // namespace

TEST(ListMerge, EqualEntriesKeepTheirOrderAndAnUnchangedFileTakesTheListAsItIs) {
  const auto base = list({"A", "B", "A"});
  const auto mine = list({"C", "B", "A"});
  EXPECT_EQ(mergedList(base, mine, base, kNoLimit).entries, mine) << "nobody else wrote";
  EXPECT_EQ(mergedList(base, mine, list({"A", "B", "A", "D"}), kNoLimit).entries, list({"C", "B", "A", "D"}))
      << "the first A was replaced, not the second";
  EXPECT_EQ(mergedList(base, base, list({"D"}), kNoLimit).entries, list({"D"})) << "no change of ours: theirs stays";
  // Equal entries removed and put in one after the other are each taken for the right one.
  EXPECT_EQ(mergedList(list({"B", "B", "A", "C", "B", "B"}), list({"A", "B"}), list({"B", "B", "A", "C", "B", "B", "Z"}),
                       kNoLimit)
                .entries,
            list({"A", "B", "Z"}));
  EXPECT_EQ(mergedList(list({"C", "B", "A"}), list({"B", "C", "C", "B"}), list({"C", "B", "A", "Z"}), kNoLimit).entries,
            list({"B", "C", "C", "B", "Z"}));

  // Both removed the same entry, each added one: one removal, both additions, ours at
  // the place of what it replaced.
  EXPECT_EQ(mergedList(list({"A", "B", "C"}), list({"A", "X", "C"}), list({"A", "C", "Y"}), kNoLimit).entries,
            list({"A", "X", "C", "Y"}));
}

TEST(ListMerge, NewEntriesKeepTheLimitAndTheOnesLeftOutAreNamed) {
  // Two runtimes each add one to a list of 19 that holds at most 20.
  const auto base = numbered(19);
  auto mine = base;
  mine.push_back({"mine", "M.EXE"});
  auto theirs = base;
  theirs.push_back({"theirs", "T.EXE"});
  MergedList merged = mergedList(base, mine, theirs, 20);
  EXPECT_EQ(merged.entries, theirs);
  EXPECT_EQ(merged.leftOut, (std::vector<ListValue>{{"mine", "M.EXE"}}));

  // A removal of ours makes room; of two new ones the last is left out first.
  mine = base;
  mine.erase(mine.begin());
  mine.push_back({"x", "X.EXE"});
  mine.push_back({"y", "Y.EXE"});
  merged = mergedList(base, mine, theirs, 20);
  ASSERT_EQ(merged.entries.size(), 20u);
  EXPECT_EQ(merged.entries.back().caption, "x");
  EXPECT_EQ(merged.leftOut, (std::vector<ListValue>{{"y", "Y.EXE"}}));

  // A file already over the limit loses nothing of what it holds.
  merged = mergedList(base, base, numbered(25), 20);
  EXPECT_EQ(merged.entries.size(), 25u);
  EXPECT_TRUE(merged.leftOut.empty());
}

TEST(ListMerge, ALongListWithAFewChangesMergesEntryByEntry) {
  // A hundred thousand entries, the first replaced and one added behind: the changes
  // are found as they are, with what another runtime added kept.
  const auto base = numbered(100000);
  auto mine = base;
  mine.front() = {"first", "F.EXE"};
  mine.push_back({"last", "L.EXE"});
  auto now = base;
  now.push_back({"theirs", "T.EXE"});
  const auto merged = mergedList(base, mine, now, kNoLimit).entries;
  ASSERT_EQ(merged.size(), 100002u);
  EXPECT_EQ(merged.front().caption, "first");
  EXPECT_EQ(merged[1].caption, "p1");
  EXPECT_EQ(merged[100000].caption, "theirs");
  EXPECT_EQ(merged.back().caption, "last");

  // A list replaced whole, by far more changes than anyone makes, takes ours in place of
  // the old entries; what another runtime added stays.
  const auto replaced = mergedList(numbered(3000), numbered(3000, "q"), now, kNoLimit).entries;
  ASSERT_EQ(replaced.size(), now.size());
  EXPECT_EQ(replaced.front().caption, "q0");
  EXPECT_EQ(replaced[3000].caption, "p3000");
  EXPECT_EQ(replaced.back().caption, "theirs");

  // As many changes with every old entry kept: the old entries are still found in order,
  // and each new one goes before the entry it stood before.
  const auto old = numbered(3000);
  std::vector<ListValue> interleaved;
  for (size_t i = 0; i < old.size(); ++i) {
    interleaved.push_back(old[i]);
    interleaved.push_back({"q" + std::to_string(i), "Q.EXE"});
  }
  auto theirs = old;
  theirs.push_back({"theirs", "T.EXE"});
  const auto kept = mergedList(old, interleaved, theirs, kNoLimit).entries;
  ASSERT_EQ(kept.size(), 6001u);
  EXPECT_EQ(kept[1].caption, "q0");
  EXPECT_EQ(kept[5998].caption, "p2999");
  EXPECT_EQ(kept[5999].caption, "theirs");
  EXPECT_EQ(kept.back().caption, "q2999");
}

TEST(ListMerge, EqualEntriesArePairedByTheirNeighbours) {
  struct Case {
    std::vector<ListValue> base, mine, now, stored;
  };
  const Case cases[] = {
      // Another runtime put one more A in front; ours are the entries around B.
      {list({"A", "B", "A"}), list({"A", "B", "X", "A"}), list({"A", "A", "B", "A"}), list({"A", "A", "B", "X", "A"})},
      {list({"A", "B", "A"}), list({"A", "B"}), list({"A", "A", "B", "A"}), list({"A", "A", "B"})},
      {list({"A", "B", "A"}), list({"A", "X", "B", "A"}), list({"A", "A", "B", "A"}), list({"A", "A", "X", "B", "A"})},
      {list({"A", "B", "A"}), list({"A", "X", "A"}), list({"A", "A", "B", "A"}), list({"A", "A", "X", "A"})},
      // ... or one behind.
      {list({"A", "B", "A"}), list({"A", "B", "X", "A"}), list({"A", "B", "A", "A"}), list({"A", "B", "X", "A", "A"})},
      {list({"A", "B", "A"}), list({"B", "A"}), list({"A", "B", "A", "A"}), list({"B", "A", "A"})},
      // Another runtime removed one of the equal entries.
      {list({"A", "B", "A", "C"}), list({"A", "B", "A", "X", "C"}), list({"B", "A", "C"}), list({"B", "A", "X", "C"})},
      {list({"A", "B", "A", "C"}), list({"A", "B", "C"}), list({"B", "A", "C"}), list({"B", "C"})},
      // Nothing but equal entries: ours change the ones we hold, theirs stay.
      {list({"A", "A"}), list({"A", "A", "A"}), list({"A", "A", "X"}), list({"A", "A", "X", "A"})},
      {list({"A", "A", "A"}), list({"A"}), list({"A", "A", "A", "X"}), list({"A", "X"})},
  };
  for (const Case& c : cases) {
    const MergedList merged = mergedList(c.base, c.mine, c.now, 20);
    EXPECT_EQ(merged.entries, c.stored);
    EXPECT_TRUE(merged.leftOut.empty());
  }
}

TEST(ListMerge, TheLimitStopsNewEntriesAndNeverCutsWhatTheFileHolds) {
  const auto renamed = [](std::vector<ListValue> values, size_t at, const std::string& name) {
    values[at] = {name, "R.EXE"};
    return values;
  };
  const auto added = [](std::vector<ListValue> values, const std::string& name) {
    values.push_back({name, "N.EXE"});
    return values;
  };
  for (const int count : {19, 20, 21}) {
    SCOPED_TRACE(std::to_string(count) + " entries");
    const auto base = numbered(count);
    const size_t length = static_cast<size_t>(count);
    // Each renames an entry: a rename takes no room, whatever the list's length.
    MergedList merged = mergedList(base, renamed(base, 5, "mine"), renamed(base, 10, "theirs"), 20);
    EXPECT_EQ(merged.entries, renamed(renamed(base, 5, "mine"), 10, "theirs"));
    EXPECT_TRUE(merged.leftOut.empty());
    // Ours adds one: it joins while the list has room.
    merged = mergedList(base, added(base, "mine"), renamed(base, 10, "theirs"), 20);
    EXPECT_EQ(merged.entries.size(), std::max<size_t>(length, 20));
    EXPECT_EQ(merged.leftOut.empty(), count < 20);
    EXPECT_EQ(merged.entries[10].caption, "theirs");
    // Theirs adds one, ours renames: their entry is in the file and stays.
    merged = mergedList(base, renamed(base, 5, "mine"), added(base, "theirs"), 20);
    EXPECT_EQ(merged.entries, renamed(added(base, "theirs"), 5, "mine"));
    EXPECT_TRUE(merged.leftOut.empty());
    // Ours removes one and adds another elsewhere: the addition fits when the removal
    // brings the list within the limit.
    auto mine = added(base, "mine");
    mine.erase(mine.begin() + 3);
    merged = mergedList(base, mine, renamed(base, 10, "theirs"), 20);
    EXPECT_EQ(merged.leftOut.empty(), count <= 20);
    EXPECT_EQ(merged.entries.size(), count <= 20 ? length : 20u);
    // Both renamed the same entry: both names are kept, the second one as new.
    merged = mergedList(base, renamed(base, 5, "mine"), renamed(base, 5, "theirs"), 20);
    EXPECT_EQ(merged.leftOut.empty(), count < 20);
    EXPECT_EQ(merged.entries[5].caption, "theirs");
  }
}
