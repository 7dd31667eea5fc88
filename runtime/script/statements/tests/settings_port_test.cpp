// The statements keep their settings only through the settings port.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "runtime/script/statements/statement_messages.h"
#include "runtime/script/statements/tests/statement_fixture.h"

namespace pemo::script::statements {
namespace {

using testing::quotedError;
using testing::StatementFixture;
using Lines = std::vector<std::string>;

// INI values in a map; registry keys are numbered from 10 and every value write is refused.
class FakeSettings : public HostSettings {
 public:
  std::string readIni(const std::string& file, const std::string& section, const std::string& key) override {
    return ini[file + "|" + section + "|" + key];
  }
  bool writeIni(const std::string& file, const std::string& section, const std::string& key,
                const std::string& value) override {
    ini[file + "|" + section + "|" + key] = value;
    return true;
  }
  int32_t registryRoot(const std::string& name) override { return name == "HKEY_USERS" ? 3 : -1; }
  int32_t createRegistryKey(const std::string& path) override { return open(path); }
  int32_t openRegistryKey(int32_t parent, const std::string& path) override {
    return open(std::to_string(parent) + "\\" + path);
  }
  void closeRegistryKey(int32_t key) override { openKeys.erase(key); }
  bool writeRegistryValue(int32_t, const std::string&, int32_t, const std::string&) override { return false; }
  std::string readRegistryValue(int32_t key, const std::string& name, int32_t type) override {
    return paths[key] + "|" + name + "|" + std::to_string(type);
  }
  std::string windowsFolder() override { return "Z:\\WIN"; }
  std::string systemFolder() override { return "Z:\\WIN\\SYS"; }

  int32_t open(const std::string& path) {
    paths[nextKey] = path;
    openKeys.insert(nextKey);
    return nextKey++;
  }

  std::map<std::string, std::string> ini;
  std::map<int32_t, std::string> paths;
  std::set<int32_t> openKeys;
  int32_t nextKey = 10;
};

TEST(SettingsPort, StatementsAndFunctionsGoThroughThePortAndCloseTheirKeys) {
  FakeSettings settings;
  StatementFixture f(nullptr, &settings);
  f.host.drive = "Q:";
  EXPECT_EQ(f.run({"SAVESETTING \"\\a.ini\", \"s\", \"k\", 1 + 1", "V$ = GETSETTING(\"\\a.ini\", \"s\", \"k\")",
                   "MSGBOX V$ & GETWINDOWSDIR() & GETSYSTEMDIR()",
                   "V$ = GETREGDATA(hkey_users, \"Software\\X\", \"Name\", 4)", "MSGBOX V$"}),
            (Lines{"2Z:\\WINZ:\\WIN\\SYS", "3\\Software\\X|Name|4"}));
  EXPECT_EQ(settings.ini.count("Q:\\a.ini|s|k"), 1u);
  EXPECT_TRUE(f.errors().empty());
  // A refused value is reported, and its key is closed like every other.
  EXPECT_EQ(f.run({"SETREGDATA HKEY_CURRENT_USER, \"Software\\X\", \"Name\", 1, \"v\"", "MSGBOX \"not reached\""}),
            Lines{});
  EXPECT_EQ(f.errors(), Lines{quotedError("Name", msg::kRegistryValueNotWritten)});
  EXPECT_EQ(settings.paths[11], "HKEY_CURRENT_USER\\Software\\X");
  EXPECT_TRUE(settings.openKeys.empty());
}

}  // namespace
}  // namespace pemo::script::statements
