#pragma once
// The about box: the product's name and version and its maker.
#include "platform/ui/qt_version_dialog.h"

namespace pemo::editor {

class AboutDialog : public ui::VersionDialog {
 public:
  explicit AboutDialog(QWidget* parent);
};

}  // namespace pemo::editor
