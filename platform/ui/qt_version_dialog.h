#pragma once
// The version dialog of both programs: the program's picture, its name, version 1.0 and
// the maker's rights line with its year, with OK.
#include <QDialog>
#include <QPixmap>

namespace pemo::ui {

// The maker's rights line that both programs show.
inline constexpr const char* kRightsNotice = "Copyright (C) 2026 Kalvo";

class VersionDialog : public QDialog {
 public:
  VersionDialog(QWidget* parent, const QString& caption, const QString& product, const QPixmap& picture);

 private:
  // Wide enough that the window's title bar shows the whole caption beside its buttons.
  void fitCaption();
};

}  // namespace pemo::ui
