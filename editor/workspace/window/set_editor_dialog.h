#pragma once
// The script editor's setting: the path of the program in which menu scripts are
// edited, typed or chosen with "...".
#include <QDialog>

#include "editor/document/editor_state.h"
#include "editor/document/window_ports.h"

class QLineEdit;

namespace pemo::editor {

inline constexpr const char* kEditorProgramFilter = "EXEﾌｧｲﾙ(*.EXE)|*.EXE";
inline constexpr int kEditorDialogFlags = kFileMustExist | kKeepCurrentFolder | kHideReadOnlyBox;

class SetEditorDialog : public QDialog {
 public:
  // dialogs: where "..." asks for the program; the main window's when null.
  SetEditorDialog(EditorState& state, QWidget* parent, FileDialogPort* dialogs = nullptr);

  QLineEdit* pathBox() const { return path_; }
  void browse();
  // "OK": the typed path becomes the script editor, unchecked.
  void acceptPath();

 private:
  EditorState& state_;
  FileDialogPort* dialogs_;
  QLineEdit* path_ = nullptr;
  // What the file dialog last returned while this dialog has been open.
  std::string lastChosen_;
};

}  // namespace pemo::editor
