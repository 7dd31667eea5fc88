#include <gtest/gtest.h>

#include "platform/process/command_line.h"

using pemo::process::splitCommandLine;
using pemo::process::splitProgram;
using V = std::vector<std::string>;

TEST(CommandLine, SplitsByWindowsQuotingRules) {
  EXPECT_EQ(splitCommandLine(""), V{});
  EXPECT_EQ(splitCommandLine("  a.exe  b\tc "), (V{"a.exe", "b", "c"}));
  // The program name ends at its closing quote and keeps its backslashes.
  EXPECT_EQ(splitCommandLine(R"("C:\Program Files\x.exe" /a)"), (V{R"(C:\Program Files\x.exe)", "/a"}));
  EXPECT_EQ(splitCommandLine(R"(x "a b" c)"), (V{"x", "a b", "c"}));
  // Backslashes count only before a quote.
  EXPECT_EQ(splitCommandLine(R"(x a\\b a\"b a\\\"b "a\\" c)"), (V{"x", R"(a\\b)", R"(a"b)", R"(a\"b)", R"(a\)", "c"}));
  EXPECT_EQ(splitCommandLine(R"(x "say ""hi""" y)"), (V{"x", R"(say "hi")", "y"}));
  EXPECT_EQ(splitCommandLine(R"(x ab"c d"e)"), (V{"x", "abc de"}));
  EXPECT_EQ(splitCommandLine(R"(x "")"), (V{"x", ""}));
}

TEST(CommandLine, SplitsProgramFromTheRest) {
  auto r = splitProgram(R"("C:\A B\PEMO.EXE"  \MENU\B.FIL x)");
  EXPECT_EQ(r.program, R"(C:\A B\PEMO.EXE)");
  EXPECT_EQ(r.rest, R"(\MENU\B.FIL x)");
  r = splitProgram("prog.exe /a=b");
  EXPECT_EQ(r.program, "prog.exe");
  EXPECT_EQ(r.rest, "/a=b");
  EXPECT_EQ(pemo::process::fileNameOf(R"(C:\A\PEMO.EXE)"), "PEMO.EXE");
  EXPECT_EQ(pemo::process::fileNameOf("/usr/bin/pemo"), "pemo");
}
