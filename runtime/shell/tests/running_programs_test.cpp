// The running-programs submenu on fake programs, a fake desktop and a list in memory.
#include "runtime/shell/running_programs.h"

#include <gtest/gtest.h>

#include "runtime/page/tests/page_fakes.h"

namespace pemo::shell {
namespace {

using Items = std::vector<RunningProgramItem>;

class FakeDesktop : public ui::OtherWindowsPort {
 public:
  std::vector<ui::OtherWindow> topLevelWindows() override {
    ++listings;
    return windows;
  }
  void bringToFront(uint32_t id) override { fronted.push_back(id); }
  std::vector<ui::OtherWindow> windows;
  std::vector<uint32_t> fronted;
  int listings = 0;
};

struct Running {
  page::testing::MemoryRunList list;
  process::testing::FakePrograms programs;
  FakeDesktop desktop;
  RunningPrograms running{list, programs, desktop};

  long start(const std::string& link) {
    const long pid = programs.start(link).pid;
    list.add(pid, link);
    return pid;
  }
};

TEST(RunningPrograms, ListsTheRunningProgramsInTheListsOrderUntilTheyEnd) {
  Running r;
  EXPECT_EQ(r.running.items(), (Items{{"なし", 0}}));
  EXPECT_EQ(r.desktop.listings, 0) << "no program runs: the desktop is not asked";

  const long b = r.start("B.EXE");
  const long a = r.start("A.EXE");
  // The desktop lists A's window first, and a dialog of B's (it belongs to another
  // window) before B's own.
  r.desktop.windows = {{7, 999, false, "someone else"}, {11, a, false, "A's window"}, {12, b, true, "B's dialog"},
                       {13, b, false, "B's window"},   {14, a, false, "A's second"}};
  EXPECT_EQ(r.running.items(), (Items{{"B's window", 13}, {"A's window", 11}}));
  EXPECT_EQ(r.desktop.listings, 1) << "one listing serves every program";

  r.running.bringToFront({"A's window", 11});
  r.running.bringToFront({"なし", 0});
  EXPECT_EQ(r.desktop.fronted, (std::vector<uint32_t>{11}));

  // An ended program is left out at once; the timer drops it from the list.
  r.programs.finish(b, 0);
  EXPECT_EQ(r.running.items(), (Items{{"A's window", 11}}));
  EXPECT_EQ(r.list.list.size(), 2u);
  r.programs.finish(a, 3);
  r.running.dropEnded();
  EXPECT_TRUE(r.list.list.empty());
  EXPECT_EQ(r.running.items(), (Items{{"なし", 0}}));
}

TEST(RunningPrograms, AProgramWithoutAWindowOfItsOwnGetsItsLinkAndNothingElsesWindow) {
  Running r;
  const long first = r.start("\\APP\\FIRST.EXE");
  r.desktop.windows = {{21, first, false, "First"}};
  EXPECT_EQ(r.running.items(), (Items{{"First", 21}}));

  // Every search starts afresh: the second program does not inherit the first's window.
  r.programs.finish(first, 0);
  const long quiet = r.start("\\APP\\QUIET.EXE");
  r.desktop.windows = {{21, first, false, "First"}, {22, quiet, true, "a dialog only"}};
  EXPECT_EQ(r.running.items(), (Items{{"\\APP\\QUIET.EXE", 0}}));

  // Values not started by this runtime, or named by no process id, count as ended.
  r.list.list.emplace_back("1", "init");
  r.list.list.emplace_back("abc", "edited by hand");
  r.running.dropEnded();
  EXPECT_EQ(r.list.list, (std::vector<std::pair<std::string, std::string>>{{std::to_string(quiet), "\\APP\\QUIET.EXE"}}));
}

}  // namespace
}  // namespace pemo::shell
