#pragma once
// The dialog DELUSER "[よく使うﾒﾆｭｰ]の削除": the favourites listed, entries removed with
// "削除" or a double click; "OK" accepts what is left, "ｷｬﾝｾﾙ" leaves the list as it was.
#include <QDialog>
#include <string>

#include "runtime/shell/favourites.h"

class QListWidget;

namespace pemo::shell {

class FavouritesDeleteDialog : public QDialog {
  Q_OBJECT
 public:
  // Placed at the owner's top-left corner.
  FavouritesDeleteDialog(QWidget* owner, const FavouriteTable& favourites);

  const FavouriteDeleteList& list() const { return list_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void removeSelected();

  FavouriteDeleteList list_;
  QListWidget* entryList_;
};

}  // namespace pemo::shell
