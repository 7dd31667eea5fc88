#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "platform/fs/windows_path.h"
#include "platform/ui/shown_text.h"
#include "runtime/shell/favourites_file.h"
#include "runtime/shell/run_info_file.h"
#include "runtime/shell/window/favourites_delete_dialog.h"
#include "runtime/shell/window/run_registration_dialog.h"
#include "runtime/shell/window/tests/window_fixture.h"

using namespace pemo::page;
using namespace pemo::page::testing;
using namespace pemo::shell;
using namespace pemo::shell::testing;
using pemo::testing::TempDir;

namespace {

std::vector<RunListEntry> programs(int count) {
  std::vector<RunListEntry> list;
  for (int i = 1; i <= count; ++i) list.push_back({"prog" + std::to_string(i), "PROG" + std::to_string(i) + ".EXE"});
  return list;
}

// The menu's item of that name.
QAction* item(QMenu* menu, const char* name) {
  for (QAction* a : menu->actions())
    if (a->objectName() == name) return a;
  ADD_FAILURE() << name;
  return nullptr;
}

// The menu's items as their names show them: the caption, or "-" for a separator.
std::vector<QString> itemsOf(QMenu* menu) {
  std::vector<QString> items;
  for (QAction* a : menu->actions()) items.push_back(a->isSeparator() ? "-" : a->text());
  return items;
}

template <typename W>
W* child(QWidget* dialog, const char* name) {
  auto* w = dialog->findChild<W*>(name);
  EXPECT_NE(w, nullptr) << name;
  return w;
}

void click(QWidget* dialog, const char* name) { QTest::mouseClick(child<QPushButton>(dialog, name), Qt::LeftButton); }

void enter(QWidget* dialog, const QString& caption, const QString& commandLine) {
  child<QLineEdit>(dialog, "TXT0")->setText(caption);
  child<QLineEdit>(dialog, "TXT1")->setText(commandLine);
}

void selectRow(QListWidget* list, int row) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// Runs `drive` on the modal dialog once it shows.
void whenModal(std::function<void(QWidget*)> drive) {
  QTimer::singleShot(0, [drive] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    drive(dialog);
  });
}

}  // namespace

TEST(RunMenuWindow, ListsTheProgramsNumberedBetweenTheFixedItemsAndStartsThem) {
  WindowFixture w;
  QMenu* menu = w.window.runMenu();
  w.runtime.runList = programs(10);
  w.shell->runMenu().editRunMenu();
  std::vector<QString> expected{"ｴｸｽﾌﾟﾛｰﾗ(&E)", "ｺﾝﾄﾛｰﾙﾊﾟﾈﾙ(&C)", "-"};
  for (int i = 1; i <= 10; ++i) expected.push_back(QString("&%1 prog%1").arg(i));
  expected.insert(expected.end(), {"-", "実行情報の編集(&R)", "ﾗﾝﾁｬ表示(&L)"});
  EXPECT_EQ(itemsOf(menu), expected);
  EXPECT_EQ(item(menu, "MNURUN60")->text(), "&10 prog10");

  w.runtime.runList = programs(1);
  w.shell->runMenu().editRunMenu();
  EXPECT_EQ(itemsOf(menu).size(), 7u) << "the separator and one program, numbered 1";
  EXPECT_EQ(item(menu, "MNURUN51")->text(), "&1 prog1");

  item(menu, "MNURUN51")->trigger();
  EXPECT_EQ(w.programs.started, std::vector<std::string>{"PROG1.EXE"});
  w.programs.failing = {"PROG1.EXE"};
  item(menu, "MNURUN51")->trigger();
  ASSERT_EQ(w.messages.shown.size(), 1u);
  EXPECT_EQ(w.messages.shown[0].prompt, "PROG1.EXE\r起動に失敗しました");

  w.runtime.runList.clear();
  w.shell->runMenu().editRunMenu();
  EXPECT_EQ(itemsOf(menu).size(), 5u) << "no programs, no separator";

  // F5 starts the explorer.
  w.runtime.explorerPath = "C:\\WIN\\explorer.exe";
  QTest::keyClick(&w.window, Qt::Key_F5);
  EXPECT_EQ(w.programs.started.back(), "C:\\WIN\\explorer.exe");

  // With the menu off (a test run), its keys do nothing.
  const size_t starts = w.programs.started.size();
  w.window.setItemEnabled(ShellItem::RunMenu, false);
  QTest::keyClick(&w.window, Qt::Key_F5);
  QTest::keyClick(&w.window, Qt::Key_F6);
  EXPECT_EQ(w.programs.started.size(), starts);
}

TEST(RunMenuWindow, CtrlRRegistersAProgramAndTheMenuAndLauncherFollow) {
  WindowFixture w;
  w.runtime.runList = programs(1);
  w.shell->runMenu().editRunMenu();
  whenModal([](QWidget* dialog) {
    EXPECT_EQ(dialog->objectName(), "RUNREG");
    EXPECT_EQ(dialog->windowTitle(), "実行ｱﾌﾟﾘｹｰｼｮﾝの登録");
    enter(dialog, "  editor ", "  C:\\ED.EXE a,b ");
    click(dialog, "CTLBTN2");
    auto* list = child<QListWidget>(dialog, "LST");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), "  editor ") << "shown as typed until the dialog opens again";
    EXPECT_TRUE(child<QLineEdit>(dialog, "TXT0")->text().isEmpty());
    click(dialog, "CTLBTN0");
  });
  QTest::keyClick(&w.window, Qt::Key_R, Qt::ControlModifier);
  ASSERT_EQ(w.runtime.runList.size(), 2u);
  EXPECT_EQ(w.runtime.runList[1].caption, "editor");
  EXPECT_EQ(w.runtime.runList[1].commandLine, "C:\\ED.EXE a,b");
  EXPECT_EQ(item(w.window.runMenu(), "MNURUN52")->text(), "&2 editor");
  EXPECT_EQ(w.hooks.launcherRebuilt, 1);

  // Cancelled: the list stays, and the menu and launcher are rebuilt all the same.
  whenModal([](QWidget* dialog) {
    selectRow(child<QListWidget>(dialog, "LST"), 0);
    click(dialog, "CTLBTN3");
    click(dialog, "CTLBTN1");
  });
  item(w.window.runMenu(), "MNURUN99")->trigger();
  EXPECT_EQ(w.runtime.runList.size(), 2u);
  EXPECT_EQ(w.hooks.launcherRebuilt, 2);
}

TEST(RunMenuWindow, AVeryLongCaptionShowsItsStartAndIsKeptWhole) {
  WindowFixture w;
  const std::string huge(10 << 20, 'x');
  w.runtime.runList = {{huge, "A.EXE"}, {std::string(300, 'y'), "B.EXE"}};
  w.shell->runMenu().editRunMenu();
  const QString shown = item(w.window.runMenu(), "MNURUN51")->text();
  EXPECT_EQ(shown.size(), pemo::ui::kMostShownCharacters + 1);
  EXPECT_TRUE(shown.startsWith("&1 xxx"));
  EXPECT_TRUE(shown.endsWith(QChar(0x2026)));
  w.window.runMenu()->grab();  // laid out and painted without stalling

  whenModal([](QWidget* dialog) {
    auto* list = child<QListWidget>(dialog, "LST");
    EXPECT_EQ(list->item(1)->text().size(), pemo::ui::kMostShownCharacters + 1);
    dialog->grab();
    click(dialog, "CTLBTN0");
  });
  item(w.window.runMenu(), "MNURUN99")->trigger();
  ASSERT_EQ(w.runtime.runList.size(), 2u);
  EXPECT_EQ(w.runtime.runList[0].caption, huge) << "only the display is cut";
  EXPECT_EQ(pemo::ui::shownText(std::string("短い")), "短い");
}

TEST(RunRegistrationDialog, ReplacesTheSelectedEntryAndRefusesWhatCannotBeStored) {
  pemo::ui::RecordingMessagePort messages;
  pemo::ui::ScopedMessagePort guard(&messages);
  std::vector<RunListEntry> runList = programs(20);
  RunRegistrationDialog dialog(nullptr, runList);
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  auto* list = child<QListWidget>(&dialog, "LST");
  ASSERT_EQ(list->count(), 20);

  enter(&dialog, "one more", "MORE.EXE");
  click(&dialog, "CTLBTN2");
  EXPECT_EQ(messages.shown.back().prompt, "これ以上は登録できません");
  EXPECT_TRUE(child<QLineEdit>(&dialog, "TXT1")->text().isEmpty()) << "the fields are cleared";

  // Choosing an entry shows it; "登録" then replaces it even with twenty.
  selectRow(list, 4);
  EXPECT_EQ(child<QLineEdit>(&dialog, "TXT0")->text(), "prog5");
  EXPECT_EQ(child<QLineEdit>(&dialog, "TXT1")->text(), "PROG5.EXE");
  child<QLineEdit>(&dialog, "TXT0")->setText("a,b");
  click(&dialog, "CTLBTN2");
  EXPECT_EQ(messages.shown.back().prompt, "登録情報を正しく入力してください");
  EXPECT_EQ(child<QLineEdit>(&dialog, "TXT0")->text(), "a,b") << "a refused entry stays in the fields";
  child<QLineEdit>(&dialog, "TXT0")->setText("five");
  click(&dialog, "CTLBTN2");
  EXPECT_EQ(list->item(4)->text(), "five");
  EXPECT_EQ(dialog.selectedRow(), -1);

  // Enter moves from the caption to the command line and on to "登録", pressing
  // nothing on the way; there it registers.
  selectRow(list, 5);
  child<QLineEdit>(&dialog, "TXT0")->setText("six");
  child<QLineEdit>(&dialog, "TXT0")->setFocus();
  const size_t told = messages.shown.size();
  QTest::keyClick(child<QLineEdit>(&dialog, "TXT0"), Qt::Key_Return);
  EXPECT_TRUE(child<QLineEdit>(&dialog, "TXT1")->hasFocus());
  QTest::keyClick(child<QLineEdit>(&dialog, "TXT1"), Qt::Key_Return);
  auto* registerButton = child<QPushButton>(&dialog, "CTLBTN2");
  EXPECT_TRUE(registerButton->hasFocus());
  EXPECT_TRUE(registerButton->isDefault()) << "it shows that Enter presses it";
  EXPECT_EQ(list->item(5)->text(), "prog6");
  QTest::keyClick(registerButton, Qt::Key_Return);
  EXPECT_EQ(list->item(5)->text(), "six");
  EXPECT_EQ(messages.shown.size(), told);
  EXPECT_TRUE(dialog.isVisible()) << "Enter never closes the dialog";

  click(&dialog, "CTLBTN3");
  EXPECT_EQ(messages.shown.back().prompt, "削除する項目を表から選択してください");
  EXPECT_EQ(runList[4].caption, "prog5") << "nothing changes before OK";
  click(&dialog, "CTLBTN0");
  EXPECT_EQ(runList[4].caption, "five");

  // The only entry deleted and confirmed leaves the list empty.
  std::vector<RunListEntry> one = programs(1);
  RunRegistrationDialog second(nullptr, one);
  second.show();
  selectRow(child<QListWidget>(&second, "LST"), 0);
  click(&second, "CTLBTN3");
  EXPECT_EQ(child<QListWidget>(&second, "LST")->count(), 0);
  click(&second, "CTLBTN0");
  EXPECT_TRUE(one.empty());
}

TEST(FavouritesWindow, CtrlUAddsTheOpenMenuAndDeluserRemovesTheChosenOne) {
  TempDir dir;
  WindowFixture w;
  std::filesystem::create_directories(dir / "PemoUser");
  w.runtime.appFolder = pemo::fs::toWindowsPath(dir.path().string()) + "\\";
  auto top = writeMenu(dir / "TOP.FIL", buttons("top", {}));
  w.window.tree().setNodes({{0, top, "top"}});
  w.window.tree().select(1);
  w.surface.openFirstMenu(top);
  w.shell->favourites().startWith("top");
  QMenu* menu = w.window.favouritesMenu();
  EXPECT_EQ(itemsOf(menu), (std::vector<QString>{"現在のﾒﾆｭｰを登録(&U)", "登録ﾒﾆｭｰの削除(&D)"}));

  QTest::keyClick(&w.window, Qt::Key_U, Qt::ControlModifier);
  QTest::keyClick(&w.window, Qt::Key_U, Qt::ControlModifier);
  EXPECT_EQ(itemsOf(menu), (std::vector<QString>{"top", "top", "-", "現在のﾒﾆｭｰを登録(&U)", "登録ﾒﾆｭｰの削除(&D)"}));

  whenModal([](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "[よく使うﾒﾆｭｰ]の削除");
    auto* list = child<QListWidget>(dialog, "LST");
    click(dialog, "CTLBTN2");
    EXPECT_EQ(list->count(), 2) << "nothing chosen, nothing removed";
    selectRow(list, 1);
    // Only the button Enter presses shows the default frame: none while the list has
    // the keyboard, and a button that had it gives the frame up again.
    const auto defaults = [dialog] {
      std::vector<bool> shown;
      for (const char* name : {"CTLBTN0", "CTLBTN1", "CTLBTN2"}) shown.push_back(child<QPushButton>(dialog, name)->isDefault());
      return shown;
    };
    QApplication::setActiveWindow(dialog);
    list->setFocus();
    EXPECT_EQ(defaults(), (std::vector<bool>{false, false, false}));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(list->count(), 2) << "Enter in the list presses no button";
    EXPECT_TRUE(dialog->isVisible());
    auto* remove = child<QPushButton>(dialog, "CTLBTN2");
    remove->setFocus();
    EXPECT_EQ(defaults(), (std::vector<bool>{false, false, true}));
    list->setFocus();
    EXPECT_EQ(defaults(), (std::vector<bool>{false, false, false}));
    remove->setFocus();
    QTest::keyClick(remove, Qt::Key_Return);
    EXPECT_EQ(list->count(), 1) << "Enter on 削除 removes";
    auto* ok = child<QPushButton>(dialog, "CTLBTN0");
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Return);
  });
  item(menu, "MNUUSER100")->trigger();
  EXPECT_EQ(itemsOf(menu), (std::vector<QString>{"top", "-", "現在のﾒﾆｭｰを登録(&U)", "登録ﾒﾆｭｰの削除(&D)"}))
      << "of two equal captions only the chosen one goes";

  // A double click removes too; cancelled, nothing is stored.
  whenModal([](QWidget* dialog) {
    auto* list = child<QListWidget>(dialog, "LST");
    const QPoint at = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(list->count(), 0);
    click(dialog, "CTLBTN1");
  });
  item(menu, "MNUUSER100")->trigger();
  std::vector<FavouriteMenu> stored;
  EXPECT_EQ(currentFavourites(w.runtime.favouritesFile, stored, {})[0].caption, "top");
  EXPECT_EQ(itemsOf(menu).size(), 4u);

  // With the favourites off (a test run), Ctrl+U adds nothing.
  w.window.setItemEnabled(ShellItem::Favourites, false);
  QTest::keyClick(&w.window, Qt::Key_U, Qt::ControlModifier);
  EXPECT_EQ(itemsOf(menu).size(), 4u);
}
