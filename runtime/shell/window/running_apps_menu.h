#pragma once
// The popup menu's submenu "実行中のｱﾌﾟﾘｹｰｼｮﾝ(&R)" over the window's started programs,
// refilled right before the popup shows; choosing an item brings its program's window
// to the front. The window's timer runs here too: twice a second the programs that
// have ended leave the list.
#include <QObject>

#include "runtime/shell/running_programs.h"

class QMenu;
class QTimer;

namespace pemo::shell {

class RunningAppsMenu : public QObject {
  Q_OBJECT
 public:
  RunningAppsMenu(QMenu& menu, RunningPrograms& programs);

  // Fills the submenu afresh.
  void rebuild();

 private:
  QMenu& menu_;
  RunningPrograms& programs_;
  QTimer* timer_;
};

}  // namespace pemo::shell
