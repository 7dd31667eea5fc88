#include "editor/workspace/window/set_editor_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "kovan/kovan.h"
#include "platform/ui/fonts.h"
#include "platform/ui/window_table.h"

namespace pemo::editor {

namespace {

constexpr const char* kDialogFont = "ＭＳ Ｐゴシック";

}  // namespace

SetEditorDialog::SetEditorDialog(EditorState& state, QWidget* parent, FileDialogPort* dialogs)
    : QDialog(parent), state_(state), dialogs_(dialogs ? dialogs : state.fileDialog) {
  setWindowTitle("ｽｸﾘﾌﾟﾄｴﾃﾞｨｯﾀの設定");
  setFont(QFont(ui::displayFamily(kDialogFont), font().pointSize()));
  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel("現在設定されているｴﾃﾞｨｯﾀ", this), 0, 0, 1, 3);
  path_ = new QLineEdit(QString::fromStdString(state.scriptEditorPath), this);
  path_->setMinimumWidth(320);
  layout->addWidget(path_, 1, 0, 1, 2);
  auto* browseButton = new QPushButton("...", this);
  layout->addWidget(browseButton, 1, 2);
  auto* ok = new QPushButton("OK", this);
  auto* cancel = new QPushButton("ｷｬﾝｾﾙ", this);
  ok->setDefault(true);
  layout->addWidget(ok, 2, 1);
  layout->addWidget(cancel, 2, 2);
  connect(browseButton, &QPushButton::clicked, this, &SetEditorDialog::browse);
  connect(ok, &QPushButton::clicked, this, &SetEditorDialog::acceptPath);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  adjustSize();
  kovan::KovanObject().MoveToCenter(ui::registerWindow(this));
}

void SetEditorDialog::browse() {
  if (dialogs_) {
    auto chosen = dialogs_->showOpen({kEditorDialogFlags, "ｴﾃﾞｨｯﾀの選択", kEditorProgramFilter, lastChosen_, ""});
    if (chosen) lastChosen_ = *chosen;
    // Also after a cancel: the box then shows what the dialog last returned.
    path_->setText(QString::fromStdString(lastChosen_));
  }
  path_->setFocus();
}

void SetEditorDialog::acceptPath() {
  state_.scriptEditorPath = path_->text().toStdString();
  accept();
}

}  // namespace pemo::editor
