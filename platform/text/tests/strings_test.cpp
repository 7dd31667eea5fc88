#include <gtest/gtest.h>

#include "platform/text/strings.h"

using namespace pemo::text;

TEST(Strings, PositionsCountCharacters) {
  const std::string s = "表示ソフトabc";
  EXPECT_EQ(Len(s), 8);
  EXPECT_EQ(Mid(s, 2, 3), "示ソフ");
  EXPECT_EQ(Mid(s, 6), "abc");
  EXPECT_EQ(Mid(s, 9), "");
  EXPECT_EQ(Mid(s, 0, 1), "表");
  EXPECT_EQ(Left(s, 2), "表示");
  EXPECT_EQ(Right(s, 4), "トabc");
  EXPECT_EQ(Right(s, 20), s);
  EXPECT_EQ(InStr(s, "ソ"), 3);
  EXPECT_EQ(InStr(s, "b", 4), 7);
  EXPECT_EQ(InStr(s, "z"), 0);
  EXPECT_EQ(InStr(s, "", 2), 2);
  EXPECT_EQ(InStr(s, "a", 20), 0);
  EXPECT_EQ(InStrRev("a,b,c", ","), 4);
}

TEST(Strings, CaseMappingTouchesLatinOnly) {
  EXPECT_EQ(UCase("abcｘｙｚあア"), "ABCＸＹＺあア");
  EXPECT_EQ(LCase("ABCＸＹＺ表"), "abcｘｙｚ表");
  EXPECT_TRUE(EqualsNoCase("Begin", "BEGIN"));
  EXPECT_EQ(InStrNoCase("c:\\Pemo\\x", "PEMO"), 4);
}

TEST(Strings, TrimAndReplace) {
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(Trim("\ta "), "\ta");  // only blanks are trimmed
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(TrimBlanksAndTabs(" \t a\tb \t"), "a\tb");
  EXPECT_EQ(LTrimBlanksAndTabs("\t a "), "a ");
  EXPECT_EQ(RTrimBlanksAndTabs(" a\t"), " a");
  EXPECT_EQ(TrimBlanksAndTabs("\t \t"), "");
  EXPECT_EQ(TrimBlanksAndTabs("\r\n"), "\r\n");  // line ends are not blanks
  EXPECT_EQ(Replace("a,b,,c", ",", ";"), "a;b;;c");
}

TEST(Strings, SplitFieldsLeavesTheRestToTheLastField) {
  using Fields = std::vector<std::string>;
  EXPECT_EQ(SplitFields("a,b,c", ","), (Fields{"a", "b", "c"}));
  EXPECT_EQ(SplitFields("a,,", ","), (Fields{"a", "", ""}));
  EXPECT_EQ(SplitFields("", ","), Fields{""});
  EXPECT_EQ(SplitFields("a,b,c,d", ",", 2), (Fields{"a", "b,c,d"}));
  EXPECT_EQ(SplitFields("a", ",", 3), Fields{"a"});
  // The search goes on one character past the separator's start.
  EXPECT_EQ(SplitFields("a::b", "::"), (Fields{"a", ":b"}));
  EXPECT_EQ(SplitFields("表、示", "、"), (Fields{"表", "示"}));
  EXPECT_EQ(SplitFields("a,b", ""), Fields{"a,b"});
}
