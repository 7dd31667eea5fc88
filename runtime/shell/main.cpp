// The runtime `pemo`: `pemo <menu file>` opens that menu (a host path or a Windows
// path); the single byte 255 as the command line is the editor's test run.
#include <QApplication>

#include "platform/process/process.h"
#include "platform/process/qt_programs.h"
#include "platform/process/runtime_instances.h"
#include "platform/registry/registry.h"
#include "platform/ui/paint_stack.h"
#include "platform/ui/qt_message_port.h"
#include "platform/ui/qt_translations.h"
#include "platform/ui/qt_other_windows.h"
#include "runtime/messages.h"
#include "runtime/page/window/page_event_wiring.h"
#include "runtime/page/window/page_surface.h"
#include "runtime/script/statements/kovan_host_settings.h"
#include "runtime/script/statements/system_statements.h"
#include "runtime/shell/launcher/qt_launcher_hooks.h"
#include "runtime/shell/runtime_shell.h"
#include "runtime/shell/startup.h"
#include "runtime/shell/window/quit_after_first_paint.h"
#include "runtime/shell/window/running_apps_menu.h"
#include "runtime/shell/window/runtime_window.h"
#include "runtime/shell/window/window_script.h"

namespace {

// The shell's hooks, each handed to the part that serves it.
class Hooks : public pemo::shell::launcher::LauncherHooks {
 public:
  Hooks(pemo::shell::RuntimeWindow& window, pemo::page::RuntimeState& runtime, pemo::process::ProgramPort& programs,
        pemo::page::RegistryRunList& runList, pemo::shell::RunningAppsMenu& runningApps)
      : LauncherHooks(window, window, runtime, programs), runList_(runList), runningApps_(runningApps) {}
  void clearRunList() override { pemo::shell::clearRunList(runList_, instances_); }
  void buildRunningAppsMenu() override { runningApps_.rebuild(); }

 private:
  pemo::page::RegistryRunList& runList_;
  pemo::shell::RunningAppsMenu& runningApps_;
  // Held for the whole run, so that a runtime starting later keeps this one's list.
  pemo::process::RuntimeInstanceLock instances_;
};

}  // namespace

int main(int argc, char** argv) {
  using namespace pemo;
  ui::raiseStackLimitForPainting();
  QApplication app(argc, argv);
  QApplication::setApplicationName(runtime_messages::kTitle);
  ui::installQtMessagePort();
  ui::installQtJapaneseTexts(app);
  shell::armQuitAfterFirstPaint();
  // A registry another program holds costs the start a moment: it goes on with defaults.
  registry::WaitLimit starting;

  page::RuntimeState& runtime = page::runtimeState();
  auto start = shell::prepareStartup(runtime, process::programFolder(), shell::commandLineOf(argc, argv));
  if (!shell::checkStartFile(start)) return 0;
  runtime.hiddenStart = start.hideMenu && !runtime.testRun;

  // Kept for the whole run: GETEXITCODE() reads the program last started, in any menu.
  process::QtPrograms programs;
  script::statements::KovanHostSettings settings;
  script::statements::SystemStatements statements(programs, settings);

  shell::RuntimeWindow window(runtime);
  page::RegistryRunList runList(window.registryHandle());
  page::PageSurface surface(window, window.treeWidget());
  shell::WindowScript script(surface, window, &statements);
  page::MenuPage page(runtime, surface, script.engine());
  page::LinkActions links(page, programs, runList, window.tree());
  window.showPage(surface, page, links, runList);
  std::unique_ptr<ui::OtherWindowsPort> otherWindows = ui::desktopOtherWindows();
  shell::RunningPrograms runningPrograms(runList, programs, *otherWindows);
  shell::RunningAppsMenu runningApps(*window.runningAppsMenu(), runningPrograms);
  Hooks hooks(window, runtime, programs, runList, runningApps);
  shell::RuntimeShell shell({runtime, page, links, surface.pageEvents().events(), window, window.tree(), hooks,
                             process::systemPower()});
  window.attachShell(shell);
  hooks.attachShell(shell);

  shell::quitAfterFirstPaintOf(surface);
  shell.createWindow(start);
  starting.end();
  return app.exec();
}
