#include <gtest/gtest.h>

#include "platform/text/run_time_error.h"
#include "runtime/script/messages.h"
#include "runtime/script/statements/statement_messages.h"
#include "runtime/script/statements/tests/statement_fixture.h"

namespace pemo::script::statements {
namespace {

using testing::quotedError;
using testing::StatementFixture;
using Lines = std::vector<std::string>;

TEST(MessageBox, PromptButtonsAndTitle) {
  StatementFixture f;
  EXPECT_EQ(f.run({"T$ = \"題\"", "MSGBOX \"a\" & \"b\", 4 + 32, T$ & \"名\"", "MSGBOX 1 + 1"}), (Lines{"ab", "2"}));
  ASSERT_EQ(f.boxes.shown.size(), 2u);
  EXPECT_EQ(f.boxes.shown[0].style, 36);
  EXPECT_EQ(f.boxes.shown[0].title, "題名");
  EXPECT_EQ(f.boxes.shown[1].style, 0);
  EXPECT_EQ(f.boxes.shown[1].title, "Pemo");
  // A comma inside a quoted prompt still splits it: the prompt is then a broken literal,
  // which is reported, and no box shows the raw text.
  EXPECT_EQ(f.run({"MSGBOX \"a, b\"", "MSGBOX \"not reached\""}), Lines{});
  EXPECT_EQ(f.errors(), Lines{msg::kLiteralNeedsQuotes});
}

TEST(MessageBox, ButtonsBeyondAWholeNumberOverflow) {
  StatementFixture f;
  // No box shows with a style cut down from a number that does not fit.
  const std::string line = "MSGBOX \"x\", 99999999999";
  EXPECT_EQ(f.run({line, "MSGBOX \"not reached\""}), Lines{});
  EXPECT_EQ(f.errors(), Lines{quotedError(line, text::errorText(text::kErrOverflow))});
}

TEST(Functions, RecognitionAndUnknownNames) {
  StatementFixture f;
  EXPECT_EQ(f.run({"V$ = NOSUCH(1)", "MSGBOX \"not reached\""}), Lines{});
  EXPECT_EQ(f.errors(), Lines{quotedError("NOSUCH(1)", msg::kFunctionNotDefined)});
  // A parenthesised number is arithmetic; a name without parentheses is no call.
  EXPECT_EQ(f.run({"A# = (3) * 2", "MSGBOX A#", "V$ = GETEXITCODE", "MSGBOX V$"}), (Lines{"6", "GETEXITCODE"}));
  EXPECT_EQ(f.errors().size(), 1u);
}

}  // namespace
}  // namespace pemo::script::statements
