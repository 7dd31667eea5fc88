#pragma once
// The version dialog of both programs: the program's picture, its name, version 1.0 and
// the maker's rights line, with OK.
#include <QDialog>
#include <QPixmap>

namespace pemo::ui {

class VersionDialog : public QDialog {
 public:
  VersionDialog(QWidget* parent, const QString& caption, const QString& product, const QPixmap& picture);
};

}  // namespace pemo::ui
