#include <gtest/gtest.h>

#include "platform/profile/ini_document.h"

namespace pemo::profile {
namespace {

// "ゾ" is 0x83 0x5D in code page 932: its trail byte is "]".
const std::string kZo = "\x83\x5D";

TEST(IniDocument, ReadsWithoutRegardToCaseAndTheFirstMatchWins) {
  const IniDocument ini(
      "; comment\r\n"
      "[Main]\r\n"
      "  Path  =  C:\\MENU  \r\n"
      "path=second\r\n"
      "Quoted=\"\"two pairs\"\"\r\n"
      "Single=' x '\r\n"
      "Mixed=\"x'\r\n"
      "Expr=a=b\n"
      "NoEquals\n"
      "[main]\r\n"
      "Other=hidden by the first section\r\n"
      "[" + kZo + "]\r\n"
      "Key=" + kZo + "\r\n"
      "[ Spaced ]\r\n"
      "Empty=\r\n"
      "Last=no line end");

  EXPECT_EQ(ini.value("MAIN", "PATH"), "C:\\MENU");
  EXPECT_EQ(ini.value("main", "quoted"), "\"two pairs\"");
  EXPECT_EQ(ini.value("Main", "Single"), " x ");
  EXPECT_EQ(ini.value("Main", "Mixed"), "\"x'");
  EXPECT_EQ(ini.value("Main", "Expr"), "a=b");
  EXPECT_EQ(ini.value("Main", "NoEquals"), std::nullopt);
  EXPECT_EQ(ini.value("Main", "Other"), std::nullopt);
  EXPECT_EQ(ini.value("ゾ", "key"), "ゾ");
  EXPECT_EQ(ini.value("Spaced", "Empty"), "");
  EXPECT_EQ(ini.value("spaced", "LAST"), "no line end");
  EXPECT_EQ(ini.value("Missing", "Path"), std::nullopt);

  EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"Main", "main", "ゾ", "Spaced"}));
  EXPECT_EQ(ini.keyNames("MAIN"),
            (std::vector<std::string>{"Path", "path", "Quoted", "Single", "Mixed", "Expr"}));
}

TEST(IniDocument, CarriageReturnsAloneEndLinesAndASectionReadsInOnePass) {
  IniDocument ini("[A]\rk=1\rApp0=x\r\n[b]\rK=hidden\rlast=2\r");
  EXPECT_EQ(ini.value("a", "K"), "1");
  EXPECT_EQ(ini.value("B", "last"), "2");
  EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"A", "b"}));
  const auto entries = ini.entries("a");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[1].key, "App0");
  EXPECT_EQ(entries[1].value, "x");
  EXPECT_TRUE(ini.entries("missing").empty());

  // A change keeps the other lines' own endings.
  ini.setValue("b", "k", "3");
  EXPECT_EQ(ini.bytes(), "[A]\rk=1\rApp0=x\r\n[b]\rK=3\r\nlast=2\r");
}

TEST(IniDocument, WritesTouchOnlyTheirOwnLines) {
  const std::string before =
      "[A]\n"
      "x = 1 ; kept as it was\n"
      "Name=" + kZo + "\n"
      "\n"
      "[B]\r\n"
      "k=v\r\n"
      "\r\n"
      "\r\n"
      "[C]\r\n"
      "tail=1";
  IniDocument ini(before);

  ini.setValue("a", "NAME", "新しい");  // replaced in place, key text kept
  ini.setValue("b", "added", "2");      // after the section's last entry, before the blanks
  ini.setValue("c", "more", "3");       // the last line gets its line ending first
  ini.setValue("New", "key", "ゾ");     // a new section at the end
  EXPECT_EQ(ini.bytes(),
            "[A]\n"
            "x = 1 ; kept as it was\n"
            "Name=\x90\x56\x82\xb5\x82\xa2\r\n"
            "\n"
            "[B]\r\n"
            "k=v\r\n"
            "added=2\r\n"
            "\r\n"
            "\r\n"
            "[C]\r\n"
            "tail=1\r\n"
            "more=3\r\n"
            "\r\n"
            "[New]\r\n"
            "key=" + kZo + "\r\n");

  EXPECT_TRUE(ini.removeKey("B", "ADDED"));
  EXPECT_FALSE(ini.removeKey("B", "ADDED"));
  EXPECT_TRUE(ini.removeSection("new"));
  EXPECT_FALSE(ini.removeSection("new"));
  EXPECT_EQ(ini.value("B", "k"), "v");
  EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"A", "B", "C"}));

  IniDocument empty;
  empty.setValue("S", "k", "v");
  EXPECT_EQ(empty.bytes(), "[S]\r\nk=v\r\n");
}

}  // namespace
}  // namespace pemo::profile
