// The editor `pemoedit`: the main window strip, and a menu window for every menu file
// opened, dropped or created.
#include <QApplication>

#include "editor/document/registry_recent_key.h"
#include "editor/workspace/editor_settings.h"
#include "editor/workspace/window/editor_windows.h"
#include "kovan/kovan.h"
#include "platform/fs/windows_path.h"
#include "platform/process/process.h"
#include "platform/process/qt_programs.h"
#include "platform/registry/registry.h"
#include "platform/ui/paint_stack.h"
#include "platform/ui/qt_message_port.h"
#include "platform/ui/qt_translations.h"

int main(int argc, char** argv) {
  pemo::ui::raiseStackLimitForPainting();
  QApplication app(argc, argv);
  QApplication::setApplicationName("PemoEdit");
  pemo::ui::installQtMessagePort();
  pemo::ui::installQtJapaneseTexts(app);

  // A registry another program holds costs the start a moment: it goes on with defaults.
  pemo::registry::WaitLimit starting;
  pemo::editor::EditorState state;
  std::string programFolder = pemo::fs::toWindowsPath(pemo::process::programFolder().string());
  state.appFolder = pemo::kovan::KovanObject().GetAppPath(programFolder);
  state.scriptEditorPath = pemo::editor::loadScriptEditorPath();
  pemo::process::QtPrograms programs;
  pemo::editor::RegistryRecentKey recentKey;
  state.programs = &programs;
  state.recentKey = &recentKey;

  pemo::editor::EditorWindows windows(state);
  windows.start();
  starting.end();
  return app.exec();
}
