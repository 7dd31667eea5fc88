#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/registry/key_store.h"
#include "platform/registry/registry.h"
#include "platform/testing/temp_dir.h"

namespace pemo::registry {
namespace {

Key create(Key parent, const std::string& path) {
  Key key = 0;
  EXPECT_EQ(createKey(parent, path, "", key), kSuccess);
  return key;
}

std::vector<std::string> valueNames(Key key) {
  std::vector<std::string> names;
  std::string name;
  Value value;
  for (uint32_t i = 0; enumValue(key, i, name, value) == kSuccess; ++i) names.push_back(name);
  return names;
}

TEST(Registry, RootsAndHandles) {
  EXPECT_EQ(predefinedKey("hkey_users"), kUsers);
  EXPECT_EQ(predefinedKey("HKEY_LOCAL_MACHINE"), static_cast<Key>(0x80000002u));
  EXPECT_EQ(predefinedKey("HKEY_NOWHERE"), 0);
  EXPECT_EQ(kUsers, static_cast<Key>(0x80000003u));
  EXPECT_EQ(closeKey(kUsers), kSuccess);

  // 0, -1 and handles never issued are refused by every function.
  for (Key bad : {0, -1, 12345}) {
    Key out = 0;
    Value value;
    std::string name;
    KeyInfo info;
    EXPECT_EQ(openKey(bad, "x", out), kInvalidHandle);
    EXPECT_EQ(createKey(bad, "x", "", out), kInvalidHandle);
    EXPECT_EQ(setValue(bad, "v", kString, "x"), kInvalidHandle);
    EXPECT_EQ(queryValue(bad, "v", value), kInvalidHandle);
    EXPECT_EQ(enumValue(bad, 0, name, value), kInvalidHandle);
    EXPECT_EQ(enumKey(bad, 0, name), kInvalidHandle);
    EXPECT_EQ(deleteValue(bad, "v"), kInvalidHandle);
    EXPECT_EQ(deleteKey(bad, "x"), kInvalidHandle);
    EXPECT_EQ(queryInfoKey(bad, info), kInvalidHandle);
    EXPECT_EQ(closeKey(bad), kInvalidHandle);
  }

  Key a = create(kUsers, ".Default\\Software");
  Key b = create(kUsers, ".Default\\Software");
  EXPECT_NE(a, b);
  for (Key k : {a, b}) EXPECT_TRUE(k != 0 && k != -1);
  EXPECT_EQ(closeKey(a), kSuccess);
  EXPECT_EQ(closeKey(a), kInvalidHandle);
  EXPECT_EQ(closeKey(b), kSuccess);
}

TEST(Registry, KeyNamesIgnoreCaseAndKeepIt) {
  Key created = 0;
  Disposition disposition{};
  ASSERT_EQ(createKey(kUsers, "Case\\MixedName", "MyClass", created, &disposition), kSuccess);
  EXPECT_EQ(disposition, kCreatedNewKey);
  Key again = 0;
  ASSERT_EQ(createKey(kUsers, "CASE\\mixedname\\", "", again, &disposition), kSuccess);
  EXPECT_EQ(disposition, kOpenedExistingKey);

  Key opened = 0;
  EXPECT_EQ(openKey(kUsers, "case\\MIXEDNAME", opened), kSuccess);
  EXPECT_EQ(openKey(kUsers, "case\\missing", opened), kNotFound);
  EXPECT_EQ(openKey(kUsers, "case\\\\MixedName", opened), kNotFound);
  EXPECT_EQ(createKey(kUsers, "\\case", "", opened), kBadPathname);

  Key parent = 0;
  ASSERT_EQ(openKey(kUsers, "Case", parent), kSuccess);
  create(parent, "alpha");
  create(parent, "Zeta");
  std::string name;
  std::vector<std::string> keys;
  for (uint32_t i = 0; enumKey(parent, i, name) == kSuccess; ++i) keys.push_back(name);
  EXPECT_EQ(keys, (std::vector<std::string>{"alpha", "MixedName", "Zeta"}));
  EXPECT_EQ(enumKey(parent, 3, name), kNoMoreItems);
  EXPECT_EQ(enumKey(parent, 0, name, 5), kMoreData);  // "alpha" and its NUL need 6

  KeyInfo info;
  ASSERT_EQ(queryInfoKey(created, info), kSuccess);
  EXPECT_EQ(info.className, "MyClass");
  ASSERT_EQ(queryInfoKey(parent, info), kSuccess);
  EXPECT_EQ(info.subKeys, 3u);
}

TEST(Registry, ValuesKeepCreationOrder) {
  Key key = create(kUsers, "Order");
  for (const char* name : {"One", "Two", "Three", "Four"})
    ASSERT_EQ(setValue(key, name, kString, name), kSuccess);
  // Overwriting keeps the place and the first name's case.
  ASSERT_EQ(setValue(key, "TWO", kDword, std::string("\x02\0\0\0", 4)), kSuccess);
  EXPECT_EQ(valueNames(key), (std::vector<std::string>{"One", "Two", "Three", "Four"}));
  Value value;
  ASSERT_EQ(queryValue(key, "two", value), kSuccess);
  EXPECT_EQ(value.type, kDword);
  EXPECT_EQ(value.data, std::string("\x02\0\0\0", 4));

  // Deleting shifts later values down; a new value goes to the end.
  EXPECT_EQ(deleteValue(key, "one"), kSuccess);
  EXPECT_EQ(deleteValue(key, "one"), kNotFound);
  ASSERT_EQ(setValue(key, "One", kString, "back"), kSuccess);
  EXPECT_EQ(valueNames(key), (std::vector<std::string>{"Two", "Three", "Four", "One"}));
  std::string name;
  EXPECT_EQ(enumValue(key, 0, name, value), kSuccess);
  EXPECT_EQ(name, "Two");
  EXPECT_EQ(enumValue(key, 4, name, value), kNoMoreItems);
  EXPECT_EQ(queryValue(key, "missing", value), kNotFound);
}

TEST(Registry, BufferSizesCountCodePage932Bytes) {
  Key key = create(kUsers, "Sizes");
  const std::string japanese = "\xe6\x97\xa5\xe6\x9c\xac";  // two characters, four bytes
  ASSERT_EQ(setValue(key, japanese, kString, japanese), kSuccess);
  ASSERT_EQ(setValue(key, "bin", kBinary, std::string("\x01\xff\x00", 3)), kSuccess);
  Value value;
  EXPECT_EQ(queryValue(key, japanese, value, 5), kSuccess);  // 4 bytes and the NUL
  EXPECT_EQ(value.data, japanese);
  EXPECT_EQ(queryValue(key, japanese, value, 4), kMoreData);
  EXPECT_EQ(value.type, kString);
  EXPECT_TRUE(value.data.empty());
  EXPECT_EQ(queryValue(key, "BIN", value, 3), kSuccess);
  EXPECT_EQ(value.data, std::string("\x01\xff\x00", 3));
  EXPECT_EQ(queryValue(key, "bin", value, 2), kMoreData);
  std::string name;
  EXPECT_EQ(enumValue(key, 0, name, value, 4), kMoreData);
  EXPECT_EQ(enumValue(key, 0, name, value, 5), kSuccess);
  EXPECT_EQ(name, japanese);
}

TEST(Registry, DeletingKeysDeletesTheirTree) {
  Key top = create(kUsers, "Tree\\Branch\\Leaf");
  ASSERT_EQ(setValue(top, "v", kString, "x"), kSuccess);
  Key tree = 0;
  ASSERT_EQ(openKey(kUsers, "Tree", tree), kSuccess);
  EXPECT_EQ(deleteKey(tree, "branch"), kSuccess);
  Key gone = 0;
  EXPECT_EQ(openKey(kUsers, "Tree\\Branch\\Leaf", gone), kNotFound);
  EXPECT_EQ(openKey(kUsers, "Tree\\Branch", gone), kNotFound);
  EXPECT_EQ(deleteKey(tree, "branch"), kNotFound);
  // A handle to a deleted key fails instead of reaching a newer key of that name.
  Value value;
  EXPECT_EQ(queryValue(top, "v", value), kKeyDeleted);
  EXPECT_EQ(setValue(top, "v", kString, "y"), kKeyDeleted);
  create(kUsers, "Tree\\Branch\\Leaf");
  EXPECT_EQ(queryValue(top, "v", value), kKeyDeleted);
  EXPECT_EQ(closeKey(top), kSuccess);

  EXPECT_EQ(deleteKey(kUsers, ""), kAccessDenied);
  Key users = 0;
  ASSERT_EQ(openKey(kUsers, "", users), kSuccess);
  EXPECT_EQ(deleteKey(kUsers, "Tree"), kSuccess);
  EXPECT_EQ(openKey(kUsers, "Tree", gone), kNotFound);
}

TEST(Registry, FollowsTheConfigurationFolder) {
  Key first = create(kUsers, "Moving");
  ASSERT_EQ(setValue(first, "where", kString, "first"), kSuccess);
  std::string saved = getenv("XDG_CONFIG_HOME");
  testing::TempDir other;
  setenv("XDG_CONFIG_HOME", other.path().c_str(), 1);
  Key elsewhere = 0;
  EXPECT_EQ(openKey(kUsers, "Moving", elsewhere), kNotFound);
  EXPECT_TRUE(std::filesystem::exists(other / "pemo" / "registry.db"));
  // A handle stays with the database it was opened in.
  Value value;
  EXPECT_EQ(queryValue(first, "where", value), kSuccess);
  EXPECT_EQ(value.data, "first");
  setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
  EXPECT_EQ(openKey(kUsers, "Moving", elsewhere), kSuccess);

  EXPECT_EQ(nextCounterValue("test"), 1);
  EXPECT_EQ(nextCounterValue("test"), 2);
  EXPECT_EQ(nextCounterValue("other"), 1);
}

TEST(Registry, DeletedDatabaseStartsAfresh) {
  Key key = create(kUsers, "Lost");
  ASSERT_EQ(setValue(key, "v", kString, "x"), kSuccess);
  std::filesystem::path file = std::filesystem::path(getenv("XDG_CONFIG_HOME")) / "pemo";
  for (const char* name : {"registry.db", "registry.db-wal", "registry.db-shm"})
    std::filesystem::remove(file / name);
  Key again = 0;
  EXPECT_EQ(openKey(kUsers, "Lost", again), kNotFound);
  EXPECT_EQ(setValue(key, "v", kString, "y"), kKeyDeleted);
  EXPECT_EQ(closeKey(key), kSuccess);
  Key fresh = create(kUsers, "Lost");
  EXPECT_EQ(setValue(fresh, "v", kString, "z"), kSuccess);
  EXPECT_TRUE(std::filesystem::exists(file / "registry.db"));
}

TEST(Registry, UnusableDatabaseGivesStatus) {
  std::string saved = getenv("XDG_CONFIG_HOME");
  testing::TempDir dir;
  testing::writeFileBytes(dir / "file", "not a folder");
  setenv("XDG_CONFIG_HOME", (dir / "file").c_str(), 1);
  Key key = 0;
  Value value;
  EXPECT_EQ(openKey(kUsers, "x", key), kIoFailed);
  EXPECT_EQ(createKey(kUsers, "x", "", key), kIoFailed);
  EXPECT_EQ(setValue(kCurrentUser, "v", kString, "x"), kIoFailed);
  EXPECT_EQ(queryValue(kUsers, "v", value), kIoFailed);
  EXPECT_EQ(closeKey(kUsers), kSuccess);
  EXPECT_EQ(nextCounterValue("c"), 0);
  setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
  EXPECT_EQ(createKey(kUsers, "x", "", key), kSuccess);
}

// Every process opens the store at its start: one already set up is only read, and one
// that lost a root gets it back.
TEST(KeyStore, OpeningAStoreAlreadySetUpWritesNothing) {
  testing::TempDir dir;
  const std::string file = (dir / "store.db").string();
  LockWait wait;
  KeyStore first(file, wait);  // keeps the write-ahead log from being folded back
  const std::filesystem::path log = file + "-wal";
  const auto logSize = std::filesystem::file_size(log);
  {
    KeyStore second(file, wait);
    EXPECT_EQ(std::filesystem::file_size(log), logSize);
    EXPECT_GT(second.rootId(kUsers), 0);
  }
  {
    sqlite::Database db(file, SQLITE_OPEN_READWRITE, {15000, nullptr});
    db.execute("DELETE FROM keys WHERE name = 'HKEY_USERS'");
  }
  KeyStore mended(file, wait);
  EXPECT_GT(mended.rootId(kUsers), 0);
  EXPECT_GT(mended.rootId(kLocalMachine), 0);
}

}  // namespace
}  // namespace pemo::registry
