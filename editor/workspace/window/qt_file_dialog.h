#pragma once
// The open and save dialogs, as Qt's own (not the desktop's) file dialog. Filters are
// pairs "description|patterns|..."; a file matches its patterns in any letter case, and a pattern
// naming Windows programs also lets programs of this system through.
#include <QWidget>

#include "editor/document/window_ports.h"

namespace pemo::editor {

class QtFileDialog : public FileDialogPort {
 public:
  explicit QtFileDialog(QWidget* parent) : parent_(parent) {}
  std::optional<std::string> showOpen(const Request& request) override;
  std::optional<std::string> showSave(const Request& request) override;

 private:
  std::optional<std::string> show(const Request& request, bool save);
  // The request's folder when it exists, else where the last dialog's file was.
  QString startFolder(const Request& request) const;
  QWidget* parent_;
  QString lastFolder_;
};

}  // namespace pemo::editor
