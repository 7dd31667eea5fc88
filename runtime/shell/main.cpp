// The runtime `pemo`: `pemo <menu file>` opens that menu (a host path or a Windows
// path); the single byte 255 as the command line is the editor's test run.
#include <QApplication>
#include <filesystem>

#include "platform/fs/current_folder.h"
#include "platform/fs/windows_path.h"
#include "platform/process/process.h"
#include "platform/ui/qt_message_port.h"
#include "runtime/page/window/runtime_window.h"
#include "runtime/script/host_script_files.h"
#include "runtime/script/kovan_arithmetic.h"
#include "runtime/script/qt_script_host.h"
#include "runtime/script/script_engine.h"
#include "runtime/script/statements/system_statements.h"
#include "runtime/shell/menu_tree_scan.h"
#include "runtime/shell/startup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Pemo");
  pemo::ui::installQtMessagePort();

  pemo::page::RuntimeState& runtime = pemo::page::runtimeState();
  std::string argument = argc > 1 ? argv[1] : "";
  auto start = pemo::shell::prepareStartup(runtime, pemo::process::programFolder(), argument);

  pemo::script::HostScriptFiles files;
  pemo::script::KovanArithmetic arithmetic;
  pemo::script::QtScriptHost host([&runtime] { return runtime.menuDrive; });
  pemo::script::ScriptServices services;
  services.files = &files;
  services.arithmetic = &arithmetic;
  services.host = &host;
  // Kept for the whole run: GETEXITCODE() reads the program last started, in any menu.
  pemo::script::statements::HostPrograms programs;
  pemo::script::statements::SystemStatements statements(programs);
  services.statements = &statements;
  pemo::script::ScriptEngine engine(services);

  pemo::page::RuntimeWindow window(runtime, engine);
  if (!start.menuFile.empty())
    window.setMenuTree(pemo::shell::scanMenuTree(start.menuFile, pemo::shell::fileSystemMenuReader(start.drive)));
  window.show();
  if (!start.menuFile.empty()) window.openFirstMenu(start.menuFile);
  return app.exec();
}
