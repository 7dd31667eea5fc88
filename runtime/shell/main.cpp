// The runtime `pemo`: `pemo <menu file>` opens that menu (a host path or a Windows
// path); the single byte 255 as the command line is the editor's test run.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cstdlib>

#include "platform/process/process.h"
#include "platform/ui/qt_message_port.h"
#include "runtime/messages.h"
#include "runtime/page/window/runtime_window.h"
#include "runtime/script/statements/system_statements.h"
#include "runtime/shell/menu_tree_scan.h"
#include "runtime/shell/startup.h"
#include "runtime/shell/window_script.h"

namespace {

// For the start-up benchmark: ends the program once the page has been painted.
class QuitAfterFirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(pemo::runtime_messages::kTitle);
  pemo::ui::installQtMessagePort();

  pemo::page::RuntimeState& runtime = pemo::page::runtimeState();
  std::string argument = argc > 1 ? argv[1] : "";
  auto start = pemo::shell::prepareStartup(runtime, pemo::process::programFolder(), argument);

  // Kept for the whole run: GETEXITCODE() reads the program last started, in any menu.
  pemo::script::statements::HostPrograms programs;
  pemo::script::statements::SystemStatements statements(programs);
  pemo::page::NoScript noScript;
  pemo::page::RuntimeWindow window(runtime, noScript);
  pemo::shell::WindowScript script(window, &statements);
  if (!start.menuFile.empty()) {
    window.setMenuTree(pemo::shell::scanMenuTree(start.menuFile, pemo::shell::fileSystemMenuReader(start.drive)));
    window.openFirstMenu(start.menuFile);
  }
  QuitAfterFirstPaint quitter;
  if (std::getenv("PEMO_QUIT_AFTER_FIRST_PAINT")) window.centralWidget()->installEventFilter(&quitter);
  window.show();
  return app.exec();
}
