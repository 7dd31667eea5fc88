#include "runtime/shell/window/favourites_delete_dialog.h"

#include <QGridLayout>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

#include "platform/ui/fonts.h"
#include "platform/ui/shown_text.h"

namespace pemo::shell {

FavouritesDeleteDialog::FavouritesDeleteDialog(QWidget* owner, const FavouriteTable& favourites)
    : QDialog(owner), list_(favourites) {
  setObjectName("DELUSER");
  setWindowTitle(QStringLiteral("[よく使うﾒﾆｭｰ]の削除"));
  setFont(ui::displayFont(ui::Font{}));
  entryList_ = new QListWidget(this);
  entryList_->setObjectName("LST");
  for (const std::string& caption : list_.captions()) entryList_->addItem(ui::shownText(caption));

  auto* grid = new QGridLayout(this);
  grid->addWidget(entryList_, 0, 0, 4, 1);
  const char* captions[] = {"OK", "ｷｬﾝｾﾙ", "削除"};
  QPushButton* buttons[3];
  for (int i = 0; i < 3; ++i) {
    buttons[i] = new QPushButton(QString::fromUtf8(captions[i]), this);
    buttons[i]->setObjectName(QString("CTLBTN%1").arg(i));
    // Enter presses the button that has the keyboard, and only that one shows the
    // default button's frame. A dialog makes its first auto-default button the default
    // when it shows, and keeps the last one that had the keyboard as such: either would
    // show a frame while Enter in the list presses nothing. So the buttons are plain ones
    // and take the frame with the keyboard.
    buttons[i]->setAutoDefault(false);
    buttons[i]->installEventFilter(this);
    grid->addWidget(buttons[i], i, 1);
  }
  connect(buttons[0], &QPushButton::clicked, this, &QDialog::accept);
  connect(buttons[1], &QPushButton::clicked, this, &QDialog::reject);
  connect(buttons[2], &QPushButton::clicked, this, &FavouritesDeleteDialog::removeSelected);
  connect(entryList_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    entryList_->setCurrentItem(item);
    removeSelected();
  });

  resize(320, 220);
  if (owner) move(owner->pos());
}

bool FavouritesDeleteDialog::eventFilter(QObject* watched, QEvent* event) {
  // Only the keyboard moving inside the dialog moves the frame: a menu that takes it for
  // a moment or another window made active leaves it where it was.
  auto* button = qobject_cast<QPushButton*>(watched);
  if (button && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
      button->setDefault(event->type() == QEvent::FocusIn);
  }
  return QDialog::eventFilter(watched, event);
}

void FavouritesDeleteDialog::keyPressEvent(QKeyEvent* event) {
  // Enter that no button took (in the list) presses nothing: no button has the keyboard.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void FavouritesDeleteDialog::removeSelected() {
  const auto selected = entryList_->selectedItems();
  if (selected.isEmpty()) return;
  const int row = entryList_->row(selected.front());
  if (list_.remove(row)) delete entryList_->takeItem(row);
}

}  // namespace pemo::shell
