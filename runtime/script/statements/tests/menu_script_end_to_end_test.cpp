// A menu file on disk, opened by the runtime page, whose loaded-menu SUB computes values,
// saves them to an INI file named by its full path and runs a short program with
// EXECUTE /W, all through the real files, library object, processes and event loop.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/fs/fs.h"
#include "platform/process/qt_programs.h"
#include "platform/text/cp932.h"
#include "platform/ui/message_port.h"
#include "runtime/page/menu_page.h"
#include "runtime/page/tests/page_fakes.h"
#include "runtime/script/host_script_files.h"
#include "runtime/script/kovan_arithmetic.h"
#include "runtime/script/qt_script_host.h"
#include "runtime/script/script_engine.h"
#include "runtime/script/statements/kovan_host_settings.h"
#include "runtime/script/statements/system_statements.h"

namespace pemo::script::statements {
namespace {

TEST(MenuScriptEndToEnd, LoadedSubSavesSettingsAndWaitsForAProgram) {
  pemo::testing::TempDir dir;
  pemo::testing::writeFileBytes(dir / "job.sh",
                                "#!/bin/sh\nsleep 0.3\necho ran > \"$(dirname \"$0\")/ran.txt\"\nexit 5\n");
  std::filesystem::permissions(dir / "job.sh", std::filesystem::perms::owner_all);
  const std::string ini = fs::toWindowsPath((dir / "result.ini").string());
  const std::string job = fs::toWindowsPath((dir / "job.sh").string());
  const std::string menu = page::testing::writeMenu(
      dir / "menu.fil", {"BEGIN MENU", "CAPTION=結果", "END MENU", "BEGIN SCRIPT", "SUB MENU_LOADEDMENU()",
                         "  F$ = \"" + ini + "\"", "  N# = 2 ^ 10 / 8", "  V$ = \"値\" & N# & \"-\" & GETWINDOWSDIR()",
                         "  SAVESETTING F$, \"結果\", \"値\", V$", "  EXECUTE \"" + job + "\" /W",
                         "  SAVESETTING F$, \"結果\", \"終了\", \"\" & GETEXITCODE()", "END SUB", "END SCRIPT"});

  HostScriptFiles files;
  KovanArithmetic arithmetic;
  page::RuntimeState runtime;
  QtScriptHost host([&runtime] { return runtime.menuDrive; });
  process::QtPrograms programs;
  KovanHostSettings settings;
  SystemStatements statements(programs, settings);
  ScriptEngine engine({&files, &arithmetic, &host, nullptr, &statements});
  page::testing::FakeView view;
  page::MenuPage page(runtime, view, engine);
  ui::RecordingMessagePort messages;
  ui::ScopedMessagePort guard(&messages);

  ASSERT_TRUE(page.openMenuFile(menu));
  EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().prompt;
  EXPECT_EQ(pemo::testing::readFileBytes(dir / "ran.txt"), "ran\n");
  EXPECT_EQ(pemo::testing::readFileBytes(dir / "result.ini"),
            text::utf8ToCp932("[結果]\r\n値=値128-" + fs::windowsFolder() + "\r\n終了=5\r\n"));
}

}  // namespace
}  // namespace pemo::script::statements
