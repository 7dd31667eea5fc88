#include "runtime/script/qt_script_host.h"

#include <QEventLoop>
#include <QTimer>

namespace pemo::script {

namespace {
constexpr int kYieldMilliseconds = 10;
}

QtScriptHost::QtScriptHost(std::function<std::string()> menuDrive) : menuDrive_(std::move(menuDrive)) {}

std::string QtScriptHost::menuDrive() const { return menuDrive_ ? menuDrive_() : std::string(); }

void QtScriptHost::yieldToEvents() {
  QEventLoop loop;
  QTimer::singleShot(kYieldMilliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace pemo::script
