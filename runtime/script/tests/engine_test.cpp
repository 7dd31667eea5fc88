#include <gtest/gtest.h>

#include "runtime/script/messages.h"
#include "runtime/script/script_run.h"
#include "runtime/script/tests/script_fakes.h"

namespace pemo::script {
namespace {

using menufile::ObjectKind;
using menufile::ScriptEvent;
using testing::quotedError;
using testing::ScriptFixture;
using Lines = std::vector<std::string>;

TEST(ScriptEngine, EventsRunTheirSubWithTheObjectIndex) {
  ScriptFixture f;
  f.load({"SUB Label_Click()", "MSGBOX INDEX", "END SUB", "sub menu_loadedmenu()", "MSGBOX \"loaded\"", "end sub",
          "SUB RADIO_CLICK()", "MSGBOX \"radio\"", "END SUB"});
  EXPECT_TRUE(f.engine.scriptLoaded());
  EXPECT_EQ(f.runLabelClick(3), Lines{"3"});
  f.statements.trace.clear();
  f.engine.fireScriptEvent(ObjectKind::Menu, 0, ScriptEvent::LoadedMenu);
  EXPECT_EQ(f.statements.trace, Lines{"loaded"});
  f.statements.trace.clear();
  f.engine.fireScriptEvent(ObjectKind::Radio, 1, ScriptEvent::Click);  // radio buttons run nothing
  f.engine.fireScriptEvent(ObjectKind::Button, 1, ScriptEvent::Click);  // no SUB: nothing, no error
  EXPECT_TRUE(f.statements.trace.empty());
  EXPECT_TRUE(f.errors().empty());

  f.engine.closeScript();
  EXPECT_FALSE(f.engine.scriptLoaded());
  EXPECT_TRUE(f.runLabelClick(1).empty());

  f.engine.loadScript({"C:\\NOT THERE.FIL", 1, {}});
  EXPECT_FALSE(f.engine.scriptLoaded());
}

TEST(ScriptEngine, EveryWayASubEnds) {
  for (const std::string ending : {"END SUB", "end sub", "Exit Sub", "END", "END WHATEVER", "END SCRIPT",
                                   "SUB NEXT_ONE()"}) {
    ScriptFixture f;
    f.load({"SUB MENU_CLICK()", "MSGBOX 1", ending, "MSGBOX 2", "END SUB"});
    EXPECT_EQ(f.runMenuClick(), Lines{"1"}) << ending;
    EXPECT_TRUE(f.errors().empty()) << ending;
  }
  ScriptFixture atEnd;  // the end of the file
  atEnd.load({"SUB MENU_CLICK()", "MSGBOX 1"});
  EXPECT_EQ(atEnd.runMenuClick(), Lines{"1"});
  EXPECT_FALSE(atEnd.engine.scriptRunning());
}

TEST(ScriptEngine, DispatcherOrder) {
  ScriptFixture f;
  f.load({"SUB MENU_CLICK()",
          "",
          "' a comment with = and . and a call",
          "\tif\t1 = 1",  // keywords in any case, tabs read as blanks
          "END IF",
          "LABEL(1).CAPTION = \"a.b\"",    // assignment before method
          "COMBOBOX(1).ADDITEM \"x=y\"",   // "=" inside quotes: a method, not an assignment
          "SKIP:",                         // a label line reached in sequence does nothing
          "MSGBOX \"done\"",
          "END SUB"});
  EXPECT_EQ(f.runMenuClick(), Lines{"done"});
  EXPECT_EQ(f.objects.properties["LABEL(1).CAPTION"], "a.b");
  EXPECT_EQ(f.objects.methods, Lines{"COMBOBOX(1).ADDITEM \"x=y\""});
  EXPECT_TRUE(f.errors().empty());
}

TEST(ScriptEngine, VariablesLiveForOneEventAndTheFlagAlwaysDrops) {
  ScriptFixture f;
  f.load({"SUB MENU_CLICK()", "MSGBOX A$", "A$ = \"set\"", "MSGBOX A$", "END SUB", "SUB LABEL_CLICK()",
          "A$ = \"x\"", "X = 1", "MSGBOX \"not reached\"", "END SUB"});
  // Before the assignment A$ is undefined: outside an assignment it is not defaulted and
  // goes to the calculation as its own text.
  EXPECT_EQ(f.runMenuClick(), (Lines{"0", "set"}));
  EXPECT_EQ(f.runMenuClick(), (Lines{"0", "set"}));
  EXPECT_FALSE(f.engine.scriptRunning());
  // A silent failure (X has no suffix) ends the run; the flag is down and nothing leaks.
  EXPECT_TRUE(f.runLabelClick(1).empty());
  EXPECT_TRUE(f.errors().empty());
  EXPECT_FALSE(f.engine.scriptRunning());
  EXPECT_EQ(f.runMenuClick(), (Lines{"0", "set"}));
}

TEST(ScriptEngine, EventsDuringARunAreDroppedAndAClosedMenuEndsTheRun) {
  ScriptFixture f;
  f.load({"SUB MENU_CLICK()", "MSGBOX \"before\"", "EXECUTE \"wait\"", "MSGBOX \"after\"", "END SUB",
          "SUB LABEL_CLICK()", "MSGBOX \"label\"", "END SUB"});
  // A click that arrives while the SUB waits is dropped, not queued.
  f.statements.onExecute = [&] {
    EXPECT_TRUE(f.engine.scriptRunning());
    f.engine.fireScriptEvent(ObjectKind::Label, 1, ScriptEvent::Click);
  };
  EXPECT_EQ(f.runMenuClick(), (Lines{"before", "after"}));
  EXPECT_EQ(f.host.yields, 1);

  // The menu is replaced while the SUB waits: the run ends quietly and reads nothing more.
  f.statements.onExecute = [&] {
    f.files.files["C:\\MENU\\B.FIL"] = testing::storedLines({"SUB MENU_CLICK()", "MSGBOX \"other\"", "END SUB"});
    f.engine.loadScript({"C:\\MENU\\B.FIL", 1, {}});
  };
  EXPECT_EQ(f.runMenuClick(), Lines{"before"});
  EXPECT_FALSE(f.engine.scriptRunning());
  f.statements.onExecute = nullptr;
  EXPECT_EQ(f.runMenuClick(), Lines{"other"});

  // Closed by a statement that runs a nested event loop (a modal box, say): the same.
  struct ClosingObjects : testing::FakeObjects {
    ScriptEngine* engine = nullptr;
    Flow callMethod(const std::string&, ScriptContext&) override {
      engine->closeScript();
      return Flow::Next;
    }
  } closing;
  ScriptEngine engine({&f.files, &f.arithmetic, &f.host, &closing, &f.statements});
  closing.engine = &engine;
  f.files.files["C:\\MENU\\C.FIL"] =
      testing::storedLines({"SUB MENU_CLICK()", "MSGBOX \"before\"", "LABEL(1).MOVE", "MSGBOX \"after\"", "END SUB"});
  engine.loadScript({"C:\\MENU\\C.FIL", 1, {}});
  f.statements.trace.clear();
  engine.fireScriptEvent(ObjectKind::Menu, 0, ScriptEvent::Click);
  EXPECT_EQ(f.statements.trace, Lines{"before"});
  EXPECT_FALSE(engine.scriptRunning());
}

TEST(ScriptEngine, CallsAndIncludes) {
  ScriptFixture f;
  f.load({"SUB MENU_CLICK()", "MSGBOX \"a\"", "Helper", "MSGBOX \"b\"", "FromInclude", "MSGBOX \"c\"", "END SUB",
          "SUB HELPER()", "MSGBOX \"helper\"", "IF 1 = 1", "EXIT SUB", "END IF", "MSGBOX \"not run\"", "END SUB",
          "SUB LABEL_CLICK()", "Helper()", "END SUB"},
         {"C:\\NONE.SRC", "C:\\ONE.SRC", "C:\\TWO.SRC"},
         {{"C:\\ONE.SRC", {"SUB OTHER()", "END SUB", "sub FromInclude()", "MSGBOX \"one\"", "Second", "END SUB"}},
          {"C:\\TWO.SRC", {"SUB FROMINCLUDE()", "MSGBOX \"two\"", "END SUB", "SUB SECOND()", "MSGBOX \"second\"",
                           "END SUB"}}});
  // The caller goes on after its call line; the first include that has the SUB wins; an
  // include that could not be read is skipped.
  EXPECT_EQ(f.runMenuClick(), (Lines{"a", "helper", "b", "one", "second", "c"}));
  EXPECT_TRUE(f.errors().empty());
  // A call written with "()" looks for "SUB HELPER()()".
  EXPECT_TRUE(f.runLabelClick(1).empty());
  EXPECT_EQ(f.errors(), Lines{quotedError("Helper()", msg::kSubNotDefined)});
}

TEST(ScriptEngine, EachFileIsReadOnceHoweverOftenItIsIncluded) {
  ScriptFixture f;
  f.load({"SUB MENU_CLICK()", "FromInclude", "MSGBOX \"back\"", "END SUB"},
         {"C:\\ONE.SRC", "c:\\one.src", "C:\\MENU\\A.FIL", "C:\\NONE.SRC", "C:\\ONE.SRC"},
         {{"C:\\ONE.SRC", {"SUB FROMINCLUDE()", "MSGBOX \"one\"", "END SUB"}}});
  EXPECT_EQ(f.files.reads, (Lines{"C:\\MENU\\A.FIL", "C:\\ONE.SRC", "C:\\NONE.SRC"}));
  EXPECT_EQ(f.runMenuClick(), (Lines{"one", "back"}));
  EXPECT_EQ(f.runMenuClick(), (Lines{"one", "back"})) << "each include keeps its own place";
  EXPECT_TRUE(f.errors().empty());
}

TEST(ScriptEngine, ACalledSubHasItsOwnConstructsAndSharesTheVariables) {
  ScriptFixture f;
  f.load({"SUB MENU_CLICK()", "IF 1 = 1", "SetUp", "MSGBOX A$", "END IF", "MSGBOX \"end\"", "END SUB",
          "SUB SETUP()", "IF 1 = 1", "A$ = \"from the callee\"", "EXIT SUB", "END IF", "END SUB",
          "SUB LABEL_CLICK()", "IF 1 = 1", "Stray", "MSGBOX \"after\"", "END IF", "END SUB",
          "SUB STRAY()", "END IF", "END SUB"});
  // The callee's IF ends with its EXIT SUB; the caller's IF is still open and closes.
  EXPECT_EQ(f.runMenuClick(), (Lines{"from the callee", "end"}));
  EXPECT_TRUE(f.errors().empty());
  // An END IF in the callee cannot close the caller's IF.
  EXPECT_TRUE(f.runLabelClick(1).empty());
  EXPECT_EQ(f.errors(), Lines{msg::kNoIf});
}

TEST(ScriptEngine, AFailureInACalledSubEndsTheWholeRun) {
  ScriptFixture f;
  f.load({"SUB MENU_CLICK()", "Broken", "MSGBOX \"caller goes on\"", "END SUB", "SUB BROKEN()", "IF 1 = 1",
          "NoSuchSub", "MSGBOX \"callee goes on\"", "END IF", "END SUB"});
  EXPECT_TRUE(f.runMenuClick().empty());
  EXPECT_EQ(f.errors(), Lines{quotedError("NoSuchSub", msg::kSubNotDefined)});
  EXPECT_FALSE(f.engine.scriptRunning());
}

TEST(ScriptEngine, EndlessRecursionStopsWithAScriptError) {
  ScriptFixture f;
  f.load({"SUB MENU_CLICK()", "Ping", "MSGBOX \"after\"", "END SUB", "SUB PING()", "Pong", "END SUB", "SUB PONG()",
          "Ping", "END SUB"});
  EXPECT_TRUE(f.runMenuClick().empty());
  EXPECT_EQ(f.errors(), Lines{quotedError("Ping", msg::kCallsTooDeep)});
  EXPECT_FALSE(f.engine.scriptRunning());
  // Calls nested less deeply than the limit are fine.
  ScriptFixture g;
  g.load({"SUB MENU_CLICK()", "A", "MSGBOX \"end\"", "END SUB", "SUB A()", "B", "END SUB", "SUB B()", "C",
          "END SUB", "SUB C()", "END SUB"});
  EXPECT_EQ(g.runMenuClick(), Lines{"end"});
}

TEST(ScriptEngine, AFailingLibraryCallEndsTheRunWithTheLineQuoted) {
  ScriptFixture f;
  f.load({"SUB MENU_CLICK()", "A# = 1 + 1", "MSGBOX \"after\"", "END SUB"});
  f.arithmetic.failing = true;
  EXPECT_TRUE(f.runMenuClick().empty());
  EXPECT_EQ(f.errors(), Lines{quotedError("A# = 1 + 1", "計算できません")});
  EXPECT_FALSE(f.engine.scriptRunning());
}

}  // namespace
}  // namespace pemo::script
