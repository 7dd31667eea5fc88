#pragma once
// The registration dialog RUNREG "実行ｱﾌﾟﾘｹｰｼｮﾝの登録": the programs of the RUN menu and
// the launcher bar, edited on a working copy that replaces the run list only on "OK".
#include <QDialog>
#include <vector>

#include "runtime/page/runtime_state.h"
#include "runtime/shell/run_edit_list.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace pemo::shell {

// Shows the dialog modally over `owner` (32 pixels in from its top-left corner); true
// when it was confirmed and `runList` replaced. Callers rebuild what shows the run list
// either way.
bool editRunList(QWidget* owner, std::vector<page::RunListEntry>& runList);

class RunRegistrationDialog : public QDialog {
  Q_OBJECT
 public:
  RunRegistrationDialog(QWidget* owner, std::vector<page::RunListEntry>& runList);

  // The list's selected row, -1 for none.
  int selectedRow() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showSelected();
  void browse();
  void registerEntry();
  void deleteEntry();
  void clearEntry();
  void confirm();

  std::vector<page::RunListEntry>& runList_;
  RunEditList edit_;
  QListWidget* entryList_;
  QLineEdit* entryFields_[2];
  QPushButton* registerButton_;
};

}  // namespace pemo::shell
