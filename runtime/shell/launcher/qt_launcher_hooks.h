#pragma once
// The launcher bar in the runtime: created at start-up, shown and hidden by the launcher
// command, closed with the runtime window unless the program runs without it; and the
// runtime window and its RUN menu as the bar reaches them.
#include <QWidget>
#include <memory>

#include "runtime/shell/launcher/qt_launcher_bar.h"
#include "runtime/shell/runtime_shell.h"

namespace pemo::shell::launcher {

class LauncherHooks : public ShellHooks, public LauncherHost {
 public:
  // `runtimeWindow` and `windowPort` are the runtime window as a widget and as the shell
  // reaches it.
  LauncherHooks(QWidget& runtimeWindow, ShellWindowPort& windowPort, page::RuntimeState& runtime,
                process::ProgramPort& programs);
  ~LauncherHooks() override;
  // The shell the bar's close item reports to.
  void attachShell(RuntimeShell& shell) { shell_ = &shell; }

  // The bar, once created.
  QtLauncherBar* bar() const { return bar_.get(); }
  // ShellHooks
  void loadAppIcon() override;
  void createLauncher(bool show) override;
  void showLauncher(bool show) override;
  void closeLauncher() override;

  // LauncherHost
  void showRuntimeWindow(bool shown) override;
  bool closeRuntimeWindow() override;
  void endProgram() override;
  void checkOffShowLaunch() override;
  void editRunMenu() override;
  void editRunInfo() override;

 private:
  QWidget& runtimeWindow_;
  ShellWindowPort& windowPort_;
  page::RuntimeState& runtime_;
  process::ProgramPort& programs_;
  RuntimeShell* shell_ = nullptr;
  std::unique_ptr<QtLauncherBar> bar_;
};

}  // namespace pemo::shell::launcher
