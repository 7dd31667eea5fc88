// The interpreter behind the runtime page: a menu file on disk, opened by the page, runs
// its SUBs through the engine.
#include <gtest/gtest.h>

#include "platform/fs/fs.h"
#include "platform/ui/message_port.h"
#include "runtime/page/menu_page.h"
#include "runtime/page/tests/page_fakes.h"
#include "runtime/script/host_script_files.h"
#include "runtime/script/script_engine.h"
#include "runtime/script/tests/script_fakes.h"

namespace pemo::script {
namespace {

using Lines = std::vector<std::string>;

TEST(PageScript, OpeningAMenuRunsItsLoadedSubAndClosingItsUnloadSub) {
  pemo::testing::TempDir dir;
  pemo::testing::writeFileBytes(dir / "COMMON.SRC",
                                testing::storedLines({"SUB Greet()", "\tMSGBOX \"こんにちは\" & \"!\"", "END SUB"}));
  Lines menu{"BEGIN MENU", "CAPTION=ﾒﾆｭｰ", "END MENU"};
  for (int i = 1; i <= 12; ++i) {  // enough object text that the script starts well into the file
    menu.insert(menu.end(), {"BEGIN LABEL", "CAPTION=ラベル" + std::to_string(i), "END LABEL"});
  }
  menu.insert(menu.end(), {"BEGIN SCRIPT", "INCLUDE " + fs::toWindowsPath((dir / "common.src").string()),
                           "SUB Menu_LoadedMenu()", "  A$ = \"読み込み\"", "  MSGBOX A$ & INDEX", "  Greet",
                           "End Sub", "SUB MENU_UNLOADMENU()", "  MSGBOX \"unload\" & A$", "END SUB",
                           "END SCRIPT"});
  const std::string path = page::testing::writeMenu(dir / "menu.fil", menu);

  HostScriptFiles files;
  testing::FakeArithmetic arithmetic;
  testing::FakeHost host;
  testing::FakeStatements statements;
  ScriptEngine engine({&files, &arithmetic, &host, nullptr, &statements});
  page::RuntimeState runtime;
  page::testing::FakeView view;
  page::MenuPage page(runtime, view, engine);
  ui::RecordingMessagePort messages;
  ui::ScopedMessagePort guard(&messages);

  ASSERT_TRUE(page.openMenuFile(path));
  EXPECT_TRUE(engine.scriptLoaded());
  EXPECT_EQ(statements.trace, (Lines{"読み込み0", "こんにちは!"}));
  page.closeMenu();
  // A$ did not outlive the loaded event: undefined, it stands as its own text.
  EXPECT_EQ(statements.trace.back(), "unloadA$");
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_FALSE(engine.scriptRunning());
}

}  // namespace
}  // namespace pemo::script
