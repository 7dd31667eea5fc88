#pragma once
// The dialog DELUSER "[よく使うﾒﾆｭｰ]の削除": the favourites listed, entries removed with
// "削除" or a double click, the rest stored on "OK"; "ｷｬﾝｾﾙ" stores nothing.
#include <QDialog>
#include <string>

#include "runtime/shell/favourites.h"

class QListWidget;

namespace pemo::shell {

class FavouritesDeleteDialog : public QDialog {
  Q_OBJECT
 public:
  // Placed at the owner's top-left corner.
  FavouritesDeleteDialog(QWidget* owner, const FavouriteTable& favourites, std::string file);

  const FavouriteDeleteList& list() const { return list_; }

 private:
  void removeSelected();
  void confirm();

  FavouriteDeleteList list_;
  std::string file_;
  QListWidget* lst_;
};

}  // namespace pemo::shell
