#include "runtime/shell/window/run_registration_dialog.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "platform/fs/windows_path.h"
#include "platform/ui/fonts.h"
#include "platform/ui/qt_file_filter.h"
#include "platform/ui/qt_keyboard_return.h"
#include "platform/ui/shown_text.h"

namespace pemo::shell {
namespace {

constexpr int kOffsetFromOwner = 32;

QPushButton* button(const char* caption, const char* name, QWidget* parent) {
  auto* b = new QPushButton(QString::fromUtf8(caption), parent);
  b->setObjectName(QString::fromUtf8(name));
  // As on the desktop the programs come from: Enter presses the button that has the
  // keyboard, which shows it with the default button's frame.
  b->setAutoDefault(true);
  return b;
}

// A chosen program as a command line: a path with blanks is quoted so that it stays one.
QString commandLineOf(const std::string& windowsPath) {
  const QString path = QString::fromStdString(windowsPath);
  return path.contains(' ') ? '"' + path + '"' : path;
}

}  // namespace

bool editRunList(QWidget* owner, std::vector<page::RunListEntry>& runList) {
  ui::KeyboardReturn keyboard;
  RunRegistrationDialog dialog(owner, runList);
  return dialog.exec() == QDialog::Accepted;
}

RunRegistrationDialog::RunRegistrationDialog(QWidget* owner, std::vector<page::RunListEntry>& runList)
    : QDialog(owner), runList_(runList), edit_(runList) {
  setObjectName("RUNREG");
  setWindowTitle(QStringLiteral("実行ｱﾌﾟﾘｹｰｼｮﾝの登録"));
  setFont(ui::displayFont(ui::Font{}));
  entryList_ = new QListWidget(this);
  entryList_->setObjectName("LST");
  for (int i = 0; i < 2; ++i) {
    entryFields_[i] = new QLineEdit(this);
    entryFields_[i]->setObjectName(QString("TXT%1").arg(i));
  }
  auto* browse = button("参照", "BROWBTN", this);
  auto* ok = button("OK", "CTLBTN0", this);
  auto* cancel = button("ｷｬﾝｾﾙ", "CTLBTN1", this);
  registerButton_ = button("登録", "CTLBTN2", this);
  auto* remove = button("削除", "CTLBTN3", this);

  auto* grid = new QGridLayout(this);
  grid->addWidget(entryList_, 0, 0, 4, 2);
  grid->addWidget(entryFields_[0], 4, 0, 1, 2);
  grid->addWidget(entryFields_[1], 5, 0);
  grid->addWidget(browse, 5, 1);
  grid->addWidget(ok, 0, 2);
  grid->addWidget(cancel, 1, 2);
  grid->addWidget(registerButton_, 4, 2);
  grid->addWidget(remove, 5, 2);
  grid->setColumnStretch(0, 1);

  for (const auto& entry : edit_.entries()) entryList_->addItem(ui::shownText(entry.caption));
  connect(entryList_, &QListWidget::itemClicked, this, &RunRegistrationDialog::showSelected);
  for (QLineEdit* field : entryFields_) field->installEventFilter(this);
  connect(browse, &QPushButton::clicked, this, &RunRegistrationDialog::browse);
  connect(ok, &QPushButton::clicked, this, &RunRegistrationDialog::confirm);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(registerButton_, &QPushButton::clicked, this, &RunRegistrationDialog::registerEntry);
  connect(remove, &QPushButton::clicked, this, &RunRegistrationDialog::deleteEntry);

  // Elsewhere Enter registers what the fields hold.
  registerButton_->setDefault(true);
  entryFields_[0]->setFocus();
  resize(420, 260);
  if (owner) move(owner->pos() + QPoint(kOffsetFromOwner, kOffsetFromOwner));
}

bool RunRegistrationDialog::eventFilter(QObject* watched, QEvent* event) {
  // Enter in the caption goes on to the command line, and from there to "登録"; it
  // presses no button on the way.
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      if (watched == entryFields_[0]) {
        entryFields_[1]->setFocus();
        return true;
      }
      if (watched == entryFields_[1]) {
        registerButton_->setFocus();
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

int RunRegistrationDialog::selectedRow() const {
  const auto selected = entryList_->selectedItems();
  return selected.isEmpty() ? -1 : entryList_->row(selected.front());
}

void RunRegistrationDialog::showSelected() {
  const int row = selectedRow();
  if (row < 0) return;
  const page::RunListEntry& entry = edit_.entries()[static_cast<size_t>(row)];
  entryFields_[0]->setText(QString::fromStdString(entry.caption));
  entryFields_[1]->setText(QString::fromStdString(entry.commandLine));
}

void RunRegistrationDialog::browse() {
  ui::KeyboardReturn keyboard;
  QFileDialog dialog(this, QStringLiteral("ｱﾌﾟﾘｹｰｼｮﾝの選択"));
  dialog.setFileMode(QFileDialog::ExistingFile);
  ui::applyFileFilter(dialog, "実行可能ﾌｧｲﾙ(*.EXE,*.BAT,*PIF,*COM)", "*.exe;*.bat;*.pif;*.com");
  // A cancelled choice leaves the command line as it was.
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const std::string path = fs::toWindowsPath(dialog.selectedFiles().front().toStdString());
  if (!path.empty()) entryFields_[1]->setText(commandLineOf(path));
}

void RunRegistrationDialog::registerEntry() {
  const int row = selectedRow();
  const QString typed = entryFields_[0]->text();
  switch (edit_.registerEntry(typed.toStdString(), entryFields_[1]->text().toStdString(), row)) {
    case RunEditList::Registered::Refused: return;
    // The list shows the caption as typed until the dialog opens again.
    case RunEditList::Registered::Replaced: entryList_->item(row)->setText(ui::shownText(typed)); break;
    case RunEditList::Registered::Added: entryList_->addItem(ui::shownText(typed)); break;
    case RunEditList::Registered::Full: break;
  }
  clearEntry();
}

void RunRegistrationDialog::deleteEntry() {
  const int row = selectedRow();
  if (!edit_.deleteEntry(row)) return;
  delete entryList_->takeItem(row);
  clearEntry();
}

void RunRegistrationDialog::clearEntry() {
  entryFields_[0]->clear();
  entryFields_[1]->clear();
  entryList_->clearSelection();
  entryList_->setCurrentRow(-1);
  entryFields_[0]->setFocus();
}

void RunRegistrationDialog::confirm() {
  edit_.copyOut(runList_);
  accept();
}

}  // namespace pemo::shell
