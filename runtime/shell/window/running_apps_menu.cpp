#include "runtime/shell/window/running_apps_menu.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

#include "platform/ui/shown_text.h"

namespace pemo::shell {
namespace {

constexpr int kTimerMs = 500;

}  // namespace

RunningAppsMenu::RunningAppsMenu(QMenu& menu, RunningPrograms& programs)
    : menu_(menu), programs_(programs), timer_(new QTimer(this)) {
  connect(timer_, &QTimer::timeout, this, [this] { programs_.dropEnded(); });
  timer_->start(kTimerMs);
}

void RunningAppsMenu::rebuild() {
  menu_.clear();
  int index = 0;
  for (const RunningProgramItem& item : programs_.items()) {
    // "&" in a title is shown, not taken for an access key.
    QAction* action = menu_.addAction(ui::shownText(item.caption).replace('&', QStringLiteral("&&")));
    action->setObjectName(QStringLiteral("MNUEXEC%1").arg(index++));
    connect(action, &QAction::triggered, this, [this, item] { programs_.bringToFront(item); });
  }
}

}  // namespace pemo::shell
