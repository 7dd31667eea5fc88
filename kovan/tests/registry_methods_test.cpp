#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kovan/kovan.h"
#include "platform/registry/registry.h"
#include "platform/text/cp932.h"

namespace pemo::kovan {
namespace {

constexpr int32_t kUsers = static_cast<int32_t>(0x80000003u);
const std::string kJapanese = text::cp932ToUtf8("\x93\xfa\x96\x7b\x8c\xea\x95\x5c\xb1");  // 日本語表ｱ

int32_t createKey(const std::string& path) {
  int32_t disposition = 0;
  int32_t key = KovanObject().RegCreateKey("HKEY_USERS\\" + path, "", 0, disposition);
  EXPECT_GT(key, 0);
  return key;
}

struct Indexed {
  int32_t status;
  std::string name, value, binary;
  int32_t type;
};

Indexed byIndex(int32_t key, int32_t index) {
  Indexed r{0, "old", "old", "old", 99};
  r.status = KovanObject().RegGetValueByIndex(key, index, r.name, r.value, r.type, r.binary);
  return r;
}

TEST(RegistryMethods, RootsAndKeyCreation) {
  KOVAN& k = KovanObject();
  std::string sub = "unchanged";
  EXPECT_EQ(k.RegGetRootKey("hkey_users\\.Default\\Software", sub), kUsers);
  EXPECT_EQ(sub, ".Default\\Software");
  sub = "unchanged";
  EXPECT_EQ(k.RegGetRootKey("HKEY_NOWHERE\\X", sub), -1);
  EXPECT_EQ(k.RegGetRootKey("HKEY_USERS", sub), kUsers);
  EXPECT_EQ(sub, "X");

  int32_t disposition = 0;
  EXPECT_EQ(k.RegCreateKey("HKEY_USERS", "", 0, disposition), -1);
  EXPECT_EQ(k.RegCreateKey("HKEY_NOWHERE\\A", "", 0, disposition), -1);
  EXPECT_EQ(disposition, 0);
  int32_t key = k.RegCreateKey("HKEY_USERS\\.Default\\Software\\Kalvo\\Pemo", "Cls", 7, disposition);
  EXPECT_GT(key, 0);
  EXPECT_EQ(disposition, 1);
  int32_t again = k.RegCreateKey("hkey_users\\.DEFAULT\\software\\kalvo\\pemo", "", 0, disposition);
  EXPECT_EQ(disposition, 2);
  EXPECT_EQ(k.RegCloseKey(again), 0);
  EXPECT_EQ(k.RegCloseKey(again), 6);

  std::string cls;
  int32_t security = -5;
  EXPECT_EQ(k.RegGetKeyInfo(key, cls, security), 0);
  EXPECT_EQ(cls, "Cls");
  EXPECT_EQ(security, 0);

  int32_t parent = k.RegOpenKey(kUsers, ".Default\\Software");
  ASSERT_GT(parent, 0);
  std::string name = "old";
  EXPECT_EQ(k.RegGetKeyByIndex(parent, 0, name), 0);
  EXPECT_EQ(name, "Kalvo");
  EXPECT_EQ(k.RegGetKeyByIndex(parent, 1, name), 259);
  EXPECT_EQ(name, "");
  EXPECT_EQ(k.RegGetKeyByIndex(parent, -1, name), 259);
  EXPECT_EQ(k.RegOpenKey(kUsers, ".Default\\Missing"), -1);
  EXPECT_EQ(k.RegOpenKey(0, ".Default"), -1);
  EXPECT_EQ(k.RegOpenKey(-1, ".Default"), -1);

  EXPECT_EQ(k.RegDeleteKey(parent, "kalvo"), 0);
  EXPECT_EQ(k.RegDeleteKey(parent, "kalvo"), 2);
  std::string value = "kept";
  EXPECT_EQ(k.RegGetValueEx(key, "x", 1, value), 1018);  // its key was deleted
  EXPECT_EQ(k.RegCloseKey(key), 0);
  EXPECT_EQ(k.RegCloseKey(parent), 0);
}

TEST(RegistryMethods, JapaneseStringsThroughAllReaders) {
  KOVAN& k = KovanObject();
  int32_t key = createKey("Strings");
  EXPECT_EQ(k.RegSetValue(key, kJapanese, 1, kJapanese + "  "), Variant(int32_t{0}));
  EXPECT_EQ(k.RegGetValue(key, kJapanese, 1), kJapanese);  // trailing blanks removed
  std::string ex;
  EXPECT_EQ(k.RegGetValueEx(key, kJapanese, 1, ex), 0);
  EXPECT_EQ(ex, kJapanese);
  Indexed r = byIndex(key, 0);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.name, kJapanese);
  EXPECT_EQ(r.value, kJapanese + "  ");
  EXPECT_EQ(r.type, 1);
  // The code page 932 bytes, each without a leading zero.
  EXPECT_EQ(r.binary, "93FA967B8CEA955CB12020");

  // A text cut at its NUL, and a value too long for the 1024-byte buffer.
  k.RegSetValue(key, "nul", 1, std::string("ab\0cd", 5));
  EXPECT_EQ(k.RegGetValue(key, "NUL", 1), "ab");
  std::string longText(1024, 'x');
  k.RegSetValue(key, "long", 1, longText);
  std::string out = "kept";
  EXPECT_EQ(k.RegGetValueEx(key, "long", 1, out), 234);
  EXPECT_EQ(out, "");
  EXPECT_EQ(k.RegGetValue(key, "long", 1), "");
  EXPECT_EQ(byIndex(key, 2).value, longText);  // the enumeration's buffer is larger
  k.RegSetValue(key, "fits", 1, std::string(1023, 'y'));
  EXPECT_EQ(k.RegGetValue(key, "fits", 1), std::string(1023, 'y'));

  // A missing value reads as empty (or "0"), and the status says why.
  out = "kept";
  EXPECT_EQ(k.RegGetValueEx(key, "missing", 1, out), 2);
  EXPECT_EQ(out, "");
  EXPECT_EQ(k.RegGetValueEx(key, "missing", 4, out), 2);
  EXPECT_EQ(out, "0");
  EXPECT_EQ(k.RegGetValue(key, "missing", 1), "");
  EXPECT_EQ(k.RegGetValue(key, "missing", 4), "0");
  out = "kept";
  EXPECT_EQ(k.RegGetValueEx(key, kJapanese, 2, out), 0);
  EXPECT_EQ(out, "kept");
  EXPECT_EQ(k.RegGetValue(key, kJapanese, 3), "");
  k.RegCloseKey(key);
}

TEST(RegistryMethods, BinaryAndNumberTextForms) {
  KOVAN& k = KovanObject();
  int32_t key = createKey("Forms");
  EXPECT_EQ(k.RegSetValue(key, "n", 4, "1A"), Variant(int32_t{0}));
  EXPECT_EQ(k.RegGetValue(key, "n", 4), "26");
  k.RegSetValue(key, "neg", 4, "FFFFFFFE");
  EXPECT_EQ(k.RegGetValue(key, "neg", 4), "-2");
  k.RegSetValue(key, "empty", 4, "");
  EXPECT_EQ(k.RegGetValue(key, "empty", 4), "0");
  EXPECT_THROW(k.RegSetValue(key, "big", 4, "123456789"), KovanError);
  EXPECT_THROW(k.RegSetValue(key, "bad", 4, "zz"), KovanError);
  EXPECT_EQ(byIndex(key, 0).value, "26");
  EXPECT_EQ(byIndex(key, 0).type, 4);
  EXPECT_EQ(byIndex(key, 0).binary, "1A");  // up to the first zero byte

  EXPECT_EQ(k.RegSetValue(key, "b", 3, "01 ff"), Variant(int32_t{0}));
  Indexed b = byIndex(key, 3);
  EXPECT_EQ(b.name, "b");
  EXPECT_EQ(b.type, 3);
  EXPECT_EQ(b.value, "01 FF ");
  EXPECT_EQ(b.binary, "1FF");
  std::string hex;
  EXPECT_EQ(k.RegGetValueEx(key, "b", 3, hex), 0);
  EXPECT_EQ(hex, "1FF");
  k.RegSetValue(key, "same", 3, "0AFF");
  k.RegSetValue(key, "odd", 3, "0A5");
  k.RegSetValue(key, "zero", 3, "05 00 07");
  EXPECT_EQ(byIndex(key, 4).value, "0A FF ");
  EXPECT_EQ(byIndex(key, 5).value, "0A 05 ");
  EXPECT_EQ(byIndex(key, 6).value, "05 00 07 ");
  EXPECT_EQ(byIndex(key, 6).binary, "5");
  EXPECT_EQ(k.RegGetValue(key, "same", 4), "65290");  // two bytes read as a number
  EXPECT_THROW(k.RegSetValue(key, "bad", 3, "0G"), KovanError);

  // An unknown type writes nothing and does not claim success.
  EXPECT_EQ(k.RegSetValue(key, "t2", 2, "x"), Variant(int32_t{87}));
  EXPECT_EQ(k.RegGetValueEx(key, "t2", 1, hex), 2);
  k.RegCloseKey(key);
}

TEST(RegistryMethods, EnumerationAfterDeletes) {
  KOVAN& k = KovanObject();
  int32_t key = createKey(".Default\\Software\\Kalvo\\Pemo\\Run\\77");
  for (const char* pid : {"101", "102", "103", "104"}) k.RegSetValue(key, pid, 1, std::string("C:\\P") + pid);
  EXPECT_EQ(k.RegDeleteValue(key, "102"), 0);
  EXPECT_EQ(k.RegDeleteValue(key, "102"), 2);
  k.RegSetValue(key, "103", 1, "again");  // overwritten in place
  std::vector<std::string> names;
  for (int32_t i = 0;; ++i) {
    Indexed r = byIndex(key, i);
    if (r.status != 0) {
      EXPECT_EQ(r.status, 259);
      EXPECT_EQ(r.name, "");
      EXPECT_EQ(r.value, "");
      EXPECT_EQ(r.binary, "");
      EXPECT_EQ(r.type, 0);
      break;
    }
    names.push_back(r.name + "=" + r.value);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"101=C:\\P101", "103=again", "104=C:\\P104"}));
  EXPECT_EQ(byIndex(-1, 0).status, 6);  // a key that failed to open ends a walk at once
  EXPECT_EQ(byIndex(0, 0).status, 6);
  EXPECT_EQ(byIndex(key, -1).status, 259);
  EXPECT_EQ(k.RegDeleteValue(-1, "101"), 6);
  EXPECT_EQ(k.RegDeleteKey(0, "x"), 6);
  k.RegCloseKey(key);
}

TEST(RegistryMethods, ApplicationSettings) {
  KOVAN& k = KovanObject();
  EXPECT_TRUE(k.SetRegData("Pemo", "Window", "Left", kJapanese));
  EXPECT_EQ(k.GetRegData("pemo", "WINDOW", "left"), kJapanese);
  EXPECT_TRUE(k.SetRegData("Pemo", "Window", "Left", "12"));
  EXPECT_EQ(k.GetRegData("Pemo", "Window", "Left"), "12");
  EXPECT_EQ(k.GetRegData("Pemo", "Window", "Top"), "");
  EXPECT_EQ(k.GetRegData("Other", "Window", "Left"), "");
  EXPECT_FALSE(k.SetRegData("", "Window", "Left", "1"));
  EXPECT_FALSE(k.SetRegData("Pemo\\..", "Window", "Left", "1"));
  EXPECT_EQ(k.GetRegData("", "Window", "Left"), "");
}

}  // namespace
}  // namespace pemo::kovan
