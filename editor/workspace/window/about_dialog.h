#pragma once
// The about box: the product's name and version and its maker.
#include <QDialog>

namespace pemo::editor {

class AboutDialog : public QDialog {
 public:
  explicit AboutDialog(QWidget* parent);
};

}  // namespace pemo::editor
