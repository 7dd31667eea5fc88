// INI files and the registry (the registry of the test's own configuration folder).
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/fs/fs.h"
#include "platform/registry/registry.h"
#include "platform/text/cp932.h"
#include "runtime/script/messages.h"
#include "runtime/script/statements/statement_messages.h"
#include "runtime/script/statements/tests/statement_fixture.h"

namespace pemo::script::statements {
namespace {

using testing::quotedError;
using testing::StatementFixture;
using testing::TempDrive;
using Lines = std::vector<std::string>;

TEST(Settings, SaveAndGetIniValues) {
  TempDrive t;
  StatementFixture f;
  f.host.drive = "T:";
  std::filesystem::create_directories(t / "app");
  EXPECT_EQ(
      f.run({"A# = 2 * 21", "SAVESETTING \"T:\\app\\x.ini\", \"表示\", \"Answer\", A#",
             "SAVESETTING \"\\root.ini\", \"s\", \"k\", \"on the menu's drive\"",
             "V$ = GETSETTING(\"T:\\APP\\X.INI\", \"表示\", \"answer\")", "MSGBOX V$",
             "V$ = GETSETTING(\"\\root.ini\", \"s\", \"k\") & \"|\" & GETSETTING(\"T:\\app\\x.ini\", \"s\", \"none\")",
             "MSGBOX V$"}),
      (Lines{"42", "on the menu's drive|"}));
  EXPECT_EQ(t.read("app/x.ini"), text::utf8ToCp932("[表示]\r\nAnswer=42\r\n"));
  EXPECT_TRUE(f.errors().empty());

  // Too few arguments: the statement ends; the function shows the message and gives "1".
  EXPECT_EQ(f.run({"SAVESETTING \"T:\\app\\x.ini\", \"s\", \"k\"", "MSGBOX \"not reached\""}), Lines{});
  EXPECT_EQ(f.run({"V$ = GETSETTING(\"T:\\app\\x.ini\", \"表示\")", "MSGBOX V$"}), Lines{"1"});
  // An argument that fails to evaluate ends the expression, and with it the statement.
  EXPECT_EQ(f.run({"V$ = GETSETTING(LABEL(9).CAPTION, \"s\", \"k\")", "MSGBOX \"not reached\""}), Lines{});
  EXPECT_EQ(f.errors(), (Lines{msg::kWrongArgumentCount, msg::kWrongArgumentCount,
                               quotedError("LABEL(9).CAPTION", msg::kIndexOutOfRange)}));
}

TEST(Settings, AValueThatFailedOrCouldNotBeWrittenIsReported) {
  TempDrive t;
  StatementFixture f;
  std::filesystem::create_directories(t / "app");
  t.write("app/x.ini", "[s]\r\nk=kept\r\n");
  // A value that failed to evaluate is not written as its raw text.
  EXPECT_EQ(f.run({"SAVESETTING \"T:\\app\\x.ini\", \"s\", \"k\", LABEL(9).CAPTION", "MSGBOX \"not reached\""}),
            Lines{});
  EXPECT_EQ(t.read("app/x.ini"), "[s]\r\nk=kept\r\n");
  EXPECT_EQ(f.errors().size(), 1u);
  // A folder that does not exist: the value is lost, and the script is told.
  f.boxes.shown.clear();
  EXPECT_EQ(f.run({"SAVESETTING \"T:\\none\\x.ini\", \"s\", \"k\", \"v\"", "MSGBOX \"not reached\""}), Lines{});
  EXPECT_EQ(f.errors(), Lines{quotedError("T:\\none\\x.ini", msg::kIniNotWritten)});
  // A key that would read back as a section header.
  f.boxes.shown.clear();
  EXPECT_EQ(f.run({"SAVESETTING \"T:\\app\\x.ini\", \"s\", \"[X]\", \"2\"", "MSGBOX \"not reached\""}), Lines{});
  EXPECT_EQ(f.errors(), Lines{quotedError("T:\\app\\x.ini", msg::kIniNotWritten)});
  EXPECT_EQ(t.read("app/x.ini"), "[s]\r\nk=kept\r\n");
  // A file the user made read-only keeps its value.
  f.boxes.shown.clear();
  std::filesystem::permissions(t / "app/x.ini", std::filesystem::perms::owner_read);
  EXPECT_EQ(f.run({"SAVESETTING \"T:\\app\\x.ini\", \"s\", \"k\", \"v\"", "MSGBOX \"not reached\""}), Lines{});
  EXPECT_EQ(f.errors(), Lines{quotedError("T:\\app\\x.ini", msg::kIniNotWritten)});
  EXPECT_EQ(t.read("app/x.ini"), "[s]\r\nk=kept\r\n");
}

TEST(Registry, SetAndGetDataUnderAnyRootSpelling) {
  StatementFixture f;
  EXPECT_EQ(f.run({"SETREGDATA hkey_current_user, \"Software\\Test\", \"Name\", 1, \"値\"",
                   "SETREGDATA HKEY_CURRENT_USER , \"Software\\Test\", \"Count\", 4, \"1A\"", "R$ = \"hkey_users\"",
                   "SETREGDATA R$, \".Default\\Test\", \"Bytes\", 3, \"01 ff\"",
                   "V$ = GETREGDATA(HKEY_CURRENT_USER, \"Software\\TEST\", \"name\", 1)", "MSGBOX V$",
                   "V$ = GETREGDATA(hkey_current_user, \"Software\\Test\", \"Count\", 4)", "MSGBOX V$",
                   // The root as an expression: its whole-number value is the key handle.
                   "H# = 0 - 2147483647", "V$ = GETREGDATA(H#, \"Software\\Test\", \"Name\", 1)", "MSGBOX V$",
                   "V$ = GETREGDATA(HKEY_CURRENT_USER, \"Software\\None\", \"Name\", 1) & \"|\"", "MSGBOX V$",
                   "V$ = GETREGDATA(HKEY_CURRENT_USER, \"Software\\None\", \"Name\", 4)", "MSGBOX V$"}),
            (Lines{"値", "26", "値", "|", "0"}));
  EXPECT_TRUE(f.errors().empty());
  registry::Key key = 0;
  ASSERT_EQ(registry::openKey(registry::kUsers, ".Default\\Test", key), registry::kSuccess);
  registry::Value value;
  EXPECT_EQ(registry::queryValue(key, "Bytes", value), registry::kSuccess);
  EXPECT_EQ(value.data, std::string("\x01\xff", 2));
  registry::closeKey(key);
}

TEST(Registry, RefusalsAndCounts) {
  StatementFixture f;
  EXPECT_EQ(f.run({"SETREGDATA HKEY_NOWHERE, \"Software\\Test\", \"Name\", 1, \"v\"", "MSGBOX \"not reached\""}),
            Lines{});
  // A key the registry refuses (an empty name between two backslashes) is reported too: the
  // value would not be written.
  EXPECT_EQ(f.run({"SETREGDATA HKEY_CURRENT_USER, \"Software\\\\X\", \"Name\", 1, \"v\"", "MSGBOX \"no\""}), Lines{});
  EXPECT_EQ(f.run({"SETREGDATA HKEY_CURRENT_USER, \"Software\\Test\", \"Name\", 1", "MSGBOX \"not reached\""}),
            Lines{});
  EXPECT_EQ(f.run({"V$ = GETREGDATA(HKEY_CURRENT_USER, \"Software\\Test\", \"Name\")", "MSGBOX V$"}), Lines{"1"});
  // A value that failed to evaluate is not written.
  EXPECT_EQ(f.run({"SETREGDATA HKEY_CURRENT_USER, \"Software\\Refused\", \"Name\", 1, LABEL(9).CAPTION"}), Lines{});
  EXPECT_EQ(f.errors(), (Lines{msg::kRegistryKeyNotOpened, msg::kRegistryKeyNotOpened, msg::kWrongArgumentCount,
                               msg::kWrongArgumentCount, quotedError("LABEL(9).CAPTION", msg::kIndexOutOfRange)}));
  registry::Key key = 0;
  EXPECT_EQ(registry::openKey(registry::kCurrentUser, "Software\\Refused", key), registry::kNotFound);
}

TEST(Registry, AValueOfATypeTheRegistryDoesNotTakeIsReported) {
  StatementFixture f;
  EXPECT_EQ(f.run({"SETREGDATA HKEY_CURRENT_USER, \"Software\\Test\", \"Odd\", 2, \"v\"", "MSGBOX \"not reached\""}),
            Lines{});
  EXPECT_EQ(f.errors(), Lines{quotedError("Odd", msg::kRegistryValueNotWritten)});
}

TEST(Registry, AKeyOpenedForATypeThatOverflowsIsClosedAgain) {
  StatementFixture f;
  // Handles are issued one after another: the probe tells which ones the scripts get.
  registry::Key probe = 0;
  ASSERT_EQ(registry::createKey(registry::kCurrentUser, "Software\\Test", "", probe), registry::kSuccess);
  registry::closeKey(probe);
  f.run({"SETREGDATA HKEY_CURRENT_USER, \"Software\\Test\", \"Name\", 99999999999, \"v\""});
  f.run({"V$ = GETREGDATA(HKEY_CURRENT_USER, \"Software\\Test\", \"Name\", 99999999999)"});
  EXPECT_EQ(f.errors().size(), 2u);
  EXPECT_EQ(registry::closeKey(probe + 1), registry::kInvalidHandle);
  EXPECT_EQ(registry::closeKey(probe + 2), registry::kInvalidHandle);
}

TEST(Settings, WindowsAndSystemFolders) {
  StatementFixture f;
  EXPECT_EQ(f.run({"V$ = GETWINDOWSDIR()", "MSGBOX V$", "V$ = getsystemdir(ignored)", "MSGBOX V$"}),
            (Lines{fs::windowsFolder(), fs::systemFolder()}));
  EXPECT_TRUE(f.errors().empty());
}

}  // namespace
}  // namespace pemo::script::statements
