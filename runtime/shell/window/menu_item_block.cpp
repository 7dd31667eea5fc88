#include "runtime/shell/window/menu_item_block.h"

#include <QAction>
#include <QMenu>

#include "platform/ui/shown_text.h"

namespace pemo::shell {

MenuItemBlock::MenuItemBlock(QMenu* menu, QAction* before, QString arrayName, Clicked clicked)
    : menu_(menu), before_(before), arrayName_(std::move(arrayName)), clicked_(std::move(clicked)) {}

void MenuItemBlock::replace(const std::vector<Item>& items) {
  for (QAction* action : actions_) {
    menu_->removeAction(action);
    action->deleteLater();
  }
  actions_.clear();
  for (const Item& item : items) {
    auto* action = new QAction(ui::shownText(item.caption), menu_);
    action->setObjectName(arrayName_ + QString::number(item.index));
    action->setSeparator(item.caption.empty());
    QObject::connect(action, &QAction::triggered, menu_,
                     [clicked = clicked_, index = item.index, tag = item.tag] { clicked(index, tag); });
    menu_->insertAction(before_, action);
    actions_.push_back(action);
  }
}

}  // namespace pemo::shell
