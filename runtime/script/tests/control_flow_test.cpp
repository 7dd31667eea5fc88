#include <gtest/gtest.h>

#include "runtime/script/messages.h"
#include "runtime/script/tests/script_fakes.h"

namespace pemo::script {
namespace {

using testing::quotedError;
using testing::ScriptFixture;
using Lines = std::vector<std::string>;

// Loads the lines as SUB MENU_CLICK() followed by SUB NEXT_SUB(), whose MSGBOX "next"
// shows when a run crosses into the following SUB, and runs the click.
Lines run(ScriptFixture& f, const Lines& body) {
  return f.runAsMenuClick(body, {"END SUB", "MSGBOX \"between\"", "SUB NEXT_SUB()", "MSGBOX \"next\"", "ELSE",
                                 "MSGBOX \"next else\"", "CASE ELSE", "MSGBOX \"next case\"", "END SUB"});
}

TEST(ScriptControlFlow, ConditionsAndComparisons) {
  ScriptFixture f;
  EXPECT_EQ(run(f, {"A# = 5", "B$ = \"abc\"", "N# = -1",
                    "IF A# > 1", "MSGBOX \"gt\"", "END IF",
                    "IF A# >= 5", "MSGBOX \"ge\"", "END IF",      // the right side starts after the whole operator
                    "IF A# <= 5", "MSGBOX \"le\"", "END IF",
                    "IF A# < 5", "MSGBOX \"lt\"", "END IF",
                    "IF A# <> 5", "MSGBOX \"ne\"", "END IF",
                    "IF B$ = \"abc\"", "MSGBOX \"eq\"", "END IF",
                    "IF B$ = \"ABC\"", "MSGBOX \"case\"", "END IF",  // texts compare case-sensitively
                    "IF X$ <> Y$", "MSGBOX \"empty\"", "END IF",    // both empty texts: not different
                    "IF B$ = 5", "MSGBOX \"num\"", "END IF",        // a numeric right side counts as ""
                    "IF A# = \"5\"", "MSGBOX \"str\"", "END IF",    // a string right side counts as 0
                    "IF N#", "MSGBOX \"bare -1\"", "END IF",
                    "IF N# + 1", "MSGBOX \"bare 0\"", "END IF",
                    "IF 2 ^ 20 = 1048576", "MSGBOX \"padded\"", "END IF",
                    "IF 2 ^ 20 - 1048576", "MSGBOX \"bare padded\"", "END IF",
                    "IF B$ = \"a<b\"", "MSGBOX \"quoted\"", "ELSE", "MSGBOX \"quoted else\"", "END IF"}),
            (Lines{"gt", "ge", "le", "eq", "bare -1", "padded", "quoted else"}));
  EXPECT_TRUE(f.errors().empty());
  for (const std::string& call : f.arithmetic.calls) EXPECT_GE(call.size(), 100u) << call;
}

TEST(ScriptControlFlow, ExistTests) {
  ScriptFixture f;
  f.files.files["D:\\DATA\\A.TXT"] = "";
  f.files.files["C:\\B.TXT"] = "";
  EXPECT_EQ(run(f, {"P$ = \"C:\\B.TXT\"",
                    "IF EXIST \"\\DATA\\A.TXT\"", "MSGBOX \"on the menu drive\"", "END IF",
                    "IF Exist P$", "MSGBOX \"variable\"", "END IF",
                    "IF EXIST \"C:\\NONE.TXT\"", "MSGBOX \"none\"", "END IF",
                    // Only the word EXIST at the start makes a file test.
                    "EXISTS$ = \"x\"", "IF EXISTS$ = \"x\"", "MSGBOX \"a name\"", "END IF",
                    "IF P$ <> \"does not exist\"", "MSGBOX \"a literal\"", "END IF"}),
            (Lines{"on the menu drive", "variable", "a name", "a literal"}));
  EXPECT_EQ(f.files.searched, (Lines{"D:\\DATA\\A.TXT", "C:\\B.TXT", "C:\\NONE.TXT"}));
}

TEST(ScriptControlFlow, NestedIfAndElseSkips) {
  ScriptFixture f;
  EXPECT_EQ(run(f, {"A# = 1",
                    "IF A# = 2",                 // false: skipped up to its ELSE, nested IFs included
                    "  IF 1 = 1", "MSGBOX \"x1\"", "  ELSE", "MSGBOX \"x2\"", "  END IF",
                    "  EXIT SUB",
                    "ELSE",
                    "  MSGBOX \"else\"",
                    "  IF A# = 1", "    MSGBOX \"inner\"",
                    "  ELSE",                     // the true part meets ELSE: skipped to END IF
                    "    IF 1 = 1", "    MSGBOX \"x3\"", "    END IF", "    MSGBOX \"x4\"",
                    "  END IF",
                    "END IF",
                    "IF A# = 3", "MSGBOX \"x5\"", "END IF",
                    "MSGBOX \"end\""}),
            (Lines{"else", "inner", "end"}));
  EXPECT_TRUE(f.errors().empty());

  for (const char* stray : {"ELSE", "END IF"}) {
    ScriptFixture g;
    EXPECT_TRUE(run(g, {stray, "MSGBOX \"after\""}).empty());
    EXPECT_EQ(g.errors(), Lines{msg::kNoIf});
  }
}

TEST(ScriptControlFlow, TakenBodiesEndTheirSub) {
  // A taken body that reaches END SUB ends the SUB: nothing of the next SUB runs.
  ScriptFixture f;
  EXPECT_EQ(run(f, {"IF 1 = 1", "MSGBOX \"if\"", "SELECT 1", "CASE 1", "MSGBOX \"case\""}), (Lines{"if", "case"}));
  EXPECT_TRUE(f.errors().empty());

  // EXIT SUB and END inside a body end the whole SUB, not only the body.
  for (const char* exit : {"EXIT SUB", "END"}) {
    ScriptFixture g;
    EXPECT_EQ(run(g, {"IF 1 = 1", "SELECT 2", "CASE 2", exit, "MSGBOX \"case rest\"", "END SELECT",
                      "MSGBOX \"if rest\"", "END IF", "MSGBOX \"sub rest\""}),
              Lines{});
  }

  // A failure inside a body ends the whole run.
  ScriptFixture h;
  EXPECT_TRUE(run(h, {"IF 1 = 1", "GOTO NOWHERE", "MSGBOX \"if rest\"", "END IF", "MSGBOX \"sub rest\""}).empty());
  EXPECT_EQ(h.errors(), Lines{quotedError("NOWHERE", msg::kBadLabel)});
}

TEST(ScriptControlFlow, SkipsStopAtTheEndOfTheirSub) {
  // A false IF without END IF: the scan does not run on into the next SUB's ELSE.
  ScriptFixture a;
  EXPECT_TRUE(run(a, {"IF 1 = 2", "MSGBOX \"x\""}).empty());
  EXPECT_TRUE(a.errors().empty());

  // The ELSE skip passes over EXIT SUB and stops at END SUB.
  ScriptFixture b;
  EXPECT_EQ(run(b, {"IF 1 = 1", "MSGBOX \"true\"", "ELSE", "EXIT SUB", "MSGBOX \"else\""}), Lines{"true"});
  ScriptFixture c;
  EXPECT_EQ(run(c, {"IF 1 = 1", "ELSE", "EXIT SUB", "END IF", "MSGBOX \"after\""}), Lines{"after"});

  // The CASE skip likewise.
  ScriptFixture d;
  EXPECT_EQ(run(d, {"SELECT 1", "CASE 1", "MSGBOX \"one\"", "CASE 2", "EXIT SUB", "END SELECT", "MSGBOX \"after\""}),
            (Lines{"one", "after"}));
  ScriptFixture e;
  EXPECT_EQ(run(e, {"SELECT 1", "CASE 1", "MSGBOX \"one\"", "CASE 2", "MSGBOX \"two\""}), Lines{"one"});

  // A SELECT without END SELECT stops at the end of its SUB with the message, without
  // taking the next SUB's CASE ELSE.
  ScriptFixture g;
  EXPECT_TRUE(run(g, {"SELECT 5", "CASE 1", "MSGBOX \"one\""}).empty());
  EXPECT_EQ(g.errors(), Lines{msg::kCaseOrEndSelectNeeded});
}

TEST(ScriptControlFlow, SelectCase) {
  ScriptFixture f;
  EXPECT_EQ(run(f, {"SELECT 1 + 1",
                    "CASE 1", "MSGBOX \"one\"",
                    "CASE 2", "MSGBOX \"two\"",
                    "  SELECT \"b\"",             // nested: its CASEs and END SELECT are its own
                    "  CASE \"a\"", "MSGBOX \"a\"",
                    "  CASE \"b\"", "MSGBOX \"b\"",   // a lower-case selector matches the CASE as written
                    "  CASE ELSE", "MSGBOX \"inner else\"",
                    "  END SELECT",
                    "CASE 3", "MSGBOX \"three\"",
                    "  SELECT 1", "  CASE 1", "  END SELECT",
                    "CASE ELSE", "MSGBOX \"else\"",
                    "END SELECT",
                    "SELECT \"ABC\"", "CASE \"abc\"", "MSGBOX \"upper\"", "END SELECT",  // or upper-cased
                    "SELECT 9", "CASE 1", "MSGBOX \"no\"", "END SELECT",  // no match: on after END SELECT
                    "SELECT 9", "CASE 1", "CASE ELSE", "MSGBOX \"case else\"", "END SELECT",
                    "MSGBOX \"end\""}),
            (Lines{"two", "b", "upper", "case else", "end"}));
  EXPECT_TRUE(f.errors().empty());

  for (const char* stray : {"CASE 1", "END SELECT"}) {
    ScriptFixture g;
    EXPECT_TRUE(run(g, {stray, "MSGBOX \"after\""}).empty());
    EXPECT_EQ(g.errors(), Lines{msg::kNoSelect});
  }
}

TEST(ScriptControlFlow, GotoForward) {
  ScriptFixture f;
  EXPECT_EQ(run(f, {"MSGBOX 1", "GOTO skip:", "MSGBOX \"skipped\"", "IF 1 = 1", "EXIT SUB", "END IF",
                    "SKIP:", "MSGBOX 2", "GOTO Later:", "EXIT SUB", "MSGBOX \"skipped\"", "later:", "MSGBOX 3"}),
            (Lines{"1", "2", "3"}));
  EXPECT_TRUE(f.errors().empty());

  ScriptFixture g;  // without the colon
  EXPECT_EQ(run(g, {"MSGBOX 1", "GOTO SKIP", "SKIP:", "MSGBOX 2"}), Lines{"1"});
  EXPECT_EQ(g.errors(), Lines{quotedError("SKIP", msg::kBadLabel)});

  ScriptFixture h;  // only above the GOTO
  EXPECT_TRUE(run(h, {"UP:", "GOTO UP:", "MSGBOX 2"}).empty());
  EXPECT_EQ(h.errors(), Lines{quotedError("UP:", msg::kLabelNotFound)});

  ScriptFixture i;  // only below the END SUB
  i.load({"SUB MENU_CLICK()", "GOTO DOWN:", "END SUB", "DOWN:", "MSGBOX \"other\""});
  EXPECT_TRUE(i.runMenuClick().empty());
  EXPECT_EQ(i.errors(), Lines{quotedError("DOWN:", msg::kLabelNotFound)});
}

}  // namespace
}  // namespace pemo::script
