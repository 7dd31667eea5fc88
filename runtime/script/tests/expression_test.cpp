#include <gtest/gtest.h>

#include "runtime/script/messages.h"
#include "runtime/script/tests/script_fakes.h"

namespace pemo::script {
namespace {

using testing::quotedError;
using testing::ScriptFixture;
using Lines = std::vector<std::string>;

// Runs the lines as the body of SUB MENU_CLICK() and returns what MSGBOX showed.
Lines run(ScriptFixture& f, const Lines& body) { return f.runAsMenuClick(body, {"END SUB"}); }

TEST(ScriptExpressions, AssignmentsAndKinds) {
  ScriptFixture f;
  EXPECT_EQ(run(f, {"A$ = \"abc\" & \"def\"", "MSGBOX A$",       // concatenation
                    "B$ = \"x=y\"", "MSGBOX B$",                  // "=" inside quotes does not split
                    "A# = 1 + 2", "MSGBOX A#",                    // arithmetic through the library
                    "S$ = 1 + 2", "MSGBOX S$",                    // a string variable holds the number's text
                    "N# = \"a\" & \"b\"", "MSGBOX \"\" & N#",            // a numeric variable holds a string
                    "H# = !1F", "MSGBOX H#", "MSGBOX !ff + 1",    // hexadecimal operands
                    "a$ = \"v\"", "C$ = A$", "MSGBOX c$",         // names are case-insensitive
                    "E$ = NEVER$", "F# = NEVER#", "MSGBOX E$ & \"|\" & F#",  // undefined on the right
                    "M# = -5", "MSGBOX M#",                       // "" "-" "5"
                    "MSGBOX INDEX + 1",
                    "P# = 1 / 3", "MSGBOX P#",
                    "Q# = 2 ^ 20", "MSGBOX Q#",                   // the whole result, not the first 6 characters
                    "MSGBOX 2 ^ 20",
                    "MSGBOX \"a+b\" & \"-\"",
                    "MSGBOX TWICE(\"ab\") & \"!\""}),            // a function through the statements port
            (Lines{"abcdef", "x=y", "3", "3", "ab", "31", "256", "v", "|0", "-5", "1", "0.33333", "1048576",
                   "1048576", "a+b-", "abab!"}));
  EXPECT_TRUE(f.errors().empty());
  // Every calculation is padded so that its whole result comes back.
  for (const std::string& call : f.arithmetic.calls) EXPECT_GE(call.size(), 100u) << call;
}

TEST(ScriptExpressions, PropertiesAsTargetsAndOperands) {
  ScriptFixture f;
  EXPECT_EQ(run(f, {"Label(2).Caption = \"Hello\" & INDEX", "LABEL(2).LEFT = 10 * 3", "MSGBOX LABEL(2).CAPTION",
                    "MSGBOX label(2).left + 1"}),
            (Lines{"Hello0", "31"}));
  EXPECT_EQ(f.objects.properties["LABEL(2).LEFT"], "30");
  EXPECT_TRUE(f.errors().empty());

  ScriptFixture g;  // a property the objects refuse by name ends the run with its message
  EXPECT_TRUE(run(g, {"LABEL(1).COLOR = 1", "MSGBOX \"after\""}).empty());
  EXPECT_EQ(g.errors(), Lines{quotedError("LABEL(1).COLOR", msg::kPropertyNotUsable)});

  ScriptFixture h;  // a failing property read ends the evaluation and the run
  EXPECT_TRUE(run(h, {"A$ = LABEL(9).CAPTION", "MSGBOX \"after\""}).empty());
  EXPECT_EQ(h.errors(), Lines{quotedError("LABEL(9).CAPTION", msg::kIndexOutOfRange)});
}

TEST(ScriptExpressions, MalformedExpressions) {
  for (const std::string statement : {"X = 1", "A$ + B$ = 1", "A$"}) {
    ScriptFixture f;  // not an assignment, or a target that cannot be assigned: silent failure
    Lines shown = run(f, {"MSGBOX \"before\"", statement, "MSGBOX \"after\""});
    if (statement == "A$") {
      EXPECT_EQ(f.errors(), Lines{quotedError("A$", msg::kSubNotDefined)});  // a bare word is a call
    } else {
      EXPECT_TRUE(f.errors().empty()) << statement;
    }
    EXPECT_EQ(shown, Lines{"before"}) << statement;
  }

  ScriptFixture unclosed;  // an unclosed quote in an expression with operators
  EXPECT_TRUE(run(unclosed, {"A$ = \"abc & B$", "MSGBOX \"after\""}).empty());
  EXPECT_EQ(unclosed.errors(), Lines{quotedError("A$ = \"abc & B$", msg::kLiteralNeedsQuotes)});

  // A single operand with one quote mark, or a lone quote mark: the literal message alone.
  // MSGBOX goes on with its text as written; the IF fails and ends the run.
  for (const std::string operand : {"\"abc", "abc\"", "\""}) {
    ScriptFixture f;
    EXPECT_EQ(run(f, {"MSGBOX " + operand, "IF " + operand, "MSGBOX \"after\"", "END IF"}), Lines{operand});
    EXPECT_EQ(f.errors(), (Lines{msg::kLiteralNeedsQuotes, msg::kLiteralNeedsQuotes})) << operand;
  }
}

}  // namespace
}  // namespace pemo::script
