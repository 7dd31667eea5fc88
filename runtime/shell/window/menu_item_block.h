#pragma once
// A run of menu items that is rebuilt in place, in front of a fixed item: the RUN menu's
// programs, the favourites. Each item is named by its array and number ("MNURUN51").
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QMenu;

namespace pemo::shell {

class MenuItemBlock {
 public:
  struct Item {
    int index = 0;
    std::string caption;  // empty for a separator
    std::string tag;
  };
  using Clicked = std::function<void(int index, const std::string& tag)>;

  MenuItemBlock(QMenu* menu, QAction* before, QString arrayName, Clicked clicked);

  // The block's items removed and these put in their place.
  void replace(const std::vector<Item>& items);
  const std::vector<QAction*>& actions() const { return actions_; }

 private:
  QMenu* menu_;
  QAction* before_;
  QString arrayName_;
  Clicked clicked_;
  std::vector<QAction*> actions_;
};

}  // namespace pemo::shell
