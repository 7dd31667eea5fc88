#include "runtime/shell/launcher/qt_launcher_hooks.h"

#include <QCoreApplication>

namespace pemo::shell::launcher {

LauncherHooks::LauncherHooks(QWidget& runtimeWindow, ShellWindowPort& windowPort, page::RuntimeState& runtime,
                             process::ProgramPort& programs)
    : runtimeWindow_(runtimeWindow), windowPort_(windowPort), runtime_(runtime), programs_(programs) {}

LauncherHooks::~LauncherHooks() = default;

void LauncherHooks::loadAppIcon() {
  if (bar_) bar_->logic().loadAppIcon();
}

void LauncherHooks::createLauncher(bool show) {
  bar_ = std::make_unique<QtLauncherBar>(runtime_, *this, programs_);
  bar_->logic().load();
  // In launcher-only mode the bar is the program's only window: it shows whatever the
  // runtime window's launcher item says.
  if (show || bar_->logic().hideMode()) bar_->show();
}

void LauncherHooks::showLauncher(bool show) {
  if (bar_) bar_->setVisible(show);
}

void LauncherHooks::closeLauncher() {
  if (!bar_ || bar_->logic().hideMode()) return;
  bar_->logic().unload();
  bar_->hide();
}

void LauncherHooks::showRuntimeWindow(bool shown) { runtimeWindow_.setVisible(shown); }

bool LauncherHooks::closeRuntimeWindow() { return runtimeWindow_.close(); }

void LauncherHooks::endProgram() { QCoreApplication::quit(); }

void LauncherHooks::checkOffShowLaunch() {
  if (shell_) shell_->checkOffShowLaunch();
}

void LauncherHooks::editRunMenu() {
  if (shell_) shell_->runMenu().editRunMenu();
}

void LauncherHooks::editRunInfo() {
  if (shell_)
    shell_->runMenu().editRunList();
  else
    windowPort_.showRunRegistration();
}

}  // namespace pemo::shell::launcher
