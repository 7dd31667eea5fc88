#include "editor/document/recent_files.h"

#include <gtest/gtest.h>

#include "document_fixture.h"

namespace pemo::editor {
namespace {

TEST(RecentFiles, PathMovesToTheFrontWithoutDuplicates) {
  RecentFiles slots{"a", "b", "c", "d", "e", "f"};
  EXPECT_EQ(withPathInFront(slots, "d"), (RecentFiles{"d", "a", "b", "c", "e", "f"}));
  EXPECT_EQ(withPathInFront(slots, "new"), (RecentFiles{"new", "a", "b", "c", "d", "e"}));
  EXPECT_EQ(withPathInFront(slots, "a"), slots);
  EXPECT_EQ(withPathInFront(slots, "C"), (RecentFiles{"C", "a", "b", "d", "e", "f"}));
  RecentFiles twice{"x", "m", "y", "M", "", ""};
  EXPECT_EQ(withPathInFront(twice, "M"), (RecentFiles{"M", "x", "y", "M", "", ""}));
  EXPECT_EQ(withPathInFront({}, "p"), (RecentFiles{"p", "", "", "", "", ""}));
}

TEST(RecentFiles, TheKeyIsReadFirstAndWrittenInLowerCase) {
  FakeRecentKey key;
  key.stored = {{"1", "c:\\a.fil"}, {"2", "c:\\b.fil"}, {"3", "c:\\c.fil"},    {"4", "c:\\d.fil"},
                {"5", "c:\\e.fil"}, {"6", "c:\\f.fil"}, {"7", "c:\\extra.fil"}};
  RecentFiles slots;
  recordRecentFile(&key, slots, "C:\\Menu\\Top.FIL");
  EXPECT_EQ(slots[0], "C:\\Menu\\Top.FIL");
  EXPECT_EQ(slots[5], "c:\\e.fil");
  EXPECT_EQ(key.stored[0].second, "c:\\menu\\top.fil");
  EXPECT_EQ(key.stored[5].second, "c:\\e.fil");
  EXPECT_EQ(key.stored[6].second, "c:\\extra.fil");  // a value beyond the sixth is left alone

  FakeRecentKey closed;
  closed.openable = false;
  RecentFiles memory{"x"};
  recordRecentFile(&closed, memory, "y");
  EXPECT_EQ(memory[0], "y");
  EXPECT_EQ(memory[1], "x");
  EXPECT_TRUE(closed.stored.empty());
}

}  // namespace
}  // namespace pemo::editor

#include "editor/document/registry_recent_key.h"
#include "platform/registry/registry.h"

namespace pemo::editor {
namespace {

TEST(RecentFiles, TheRegistryKeyHoldsTheList) {
  RegistryRecentKey key;
  RecentFiles slots;
  recordRecentFile(&key, slots, "C:\\Menu\\A.FIL");
  recordRecentFile(&key, slots, "C:\\Menu\\B.FIL");
  recordRecentFile(&key, slots, "c:\\menu\\a.fil");

  registry::Key handle = 0;
  ASSERT_EQ(
      registry::openKey(registry::kUsers, ".Default\\Software\\Kalvo\\PemoEdit\\Recent", handle),
      registry::kSuccess);
  registry::Value value;
  ASSERT_EQ(registry::queryValue(handle, "1", value), registry::kSuccess);
  EXPECT_EQ(value.type, registry::kString);
  EXPECT_EQ(value.data, "c:\\menu\\a.fil");
  ASSERT_EQ(registry::queryValue(handle, "2", value), registry::kSuccess);
  EXPECT_EQ(value.data, "c:\\menu\\b.fil");
  EXPECT_EQ(registry::queryValue(handle, "3", value), registry::kNotFound);
  registry::closeKey(handle);
  EXPECT_EQ(slots[0], "c:\\menu\\a.fil");

  RecentFiles shown;
  EXPECT_EQ(reloadRecentFiles(&key, shown),
            (std::vector<std::string>{"&1 c:\\menu\\a.fil", "&2 c:\\menu\\b.fil"}));
  EXPECT_EQ(shown[1], "c:\\menu\\b.fil");
}

}  // namespace
}  // namespace pemo::editor
