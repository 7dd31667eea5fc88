// The editor `pemoedit`: the main window strip, and a menu window for every menu file
// opened, dropped or created.
#include <QApplication>

#include "editor/document/registry_recent_key.h"
#include "editor/workspace/editor_settings.h"
#include "editor/workspace/window/editor_windows.h"
#include "kovan/kovan.h"
#include "platform/fs/windows_path.h"
#include "platform/process/process.h"
#include "platform/ui/qt_message_port.h"

#if __has_include("platform/process/qt_programs.h")
#include "platform/process/qt_programs.h"
using EditorPrograms = pemo::process::QtPrograms;
#else
#include <QMetaObject>

#include "platform/process/child_processes.h"
namespace {
// The process table as the editor's program port, its ends told on the window's thread.
class EditorPrograms : public pemo::editor::ProgramPort {
 public:
  long start(const std::string& commandLine) override { return pemo::process::startCommandLine(commandLine).pid; }
  bool openDocument(const std::string& path) override {
    return !pemo::process::existingHostPath(path).empty() &&
           pemo::process::startCommandLine("\"" + path + "\"").pid != 0;
  }
  long exitCode(long pid) override { return pemo::process::childExitCode(pid).value_or(0); }
  void whenEnded(long pid, std::function<void()> ended) override {
    pemo::process::notifyOnExit(pid, [ended] { QMetaObject::invokeMethod(qApp, ended, Qt::QueuedConnection); });
  }
  void terminate(long pid) override { pemo::process::terminateChild(pid, 0); }
};
}  // namespace
#endif

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("PemoEdit");
  pemo::ui::installQtMessagePort();

  pemo::editor::EditorState state;
  std::string programFolder = pemo::fs::toWindowsPath(pemo::process::programFolder().string());
  state.appFolder = pemo::kovan::KovanObject().GetAppPath(programFolder);
  state.scriptEditorPath = pemo::editor::loadScriptEditorPath();
  EditorPrograms programs;
  pemo::editor::RegistryRecentKey recentKey;
  state.programs = &programs;
  state.recentKey = &recentKey;

  pemo::editor::EditorWindows windows(state);
  windows.start();
  return app.exec();
}
