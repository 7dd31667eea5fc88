#include "editor/workspace/window/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QToolBar>
#include <QUrl>

#include "editor/document/messages.h"
#include "editor/workspace/editor_settings.h"
#include "editor/workspace/window/about_dialog.h"
#include "editor/workspace/window/set_editor_dialog.h"
#include "editor/workspace/window/toolbar_icons.h"
#include "kovan/kovan.h"
#include "platform/fs/windows_path.h"
#include "platform/registry/registry.h"
#include "platform/ui/qt_frame_watch.h"
#include "platform/ui/qt_outer_place.h"
#include "platform/ui/window_table.h"
#include "platform/ui/qt_keyboard_return.h"

namespace pemo::editor {

namespace {

const char* const kObjectKindItems[] = {"ﾗﾍﾞﾙ(&L)",         "ﾎﾞﾀﾝ(&B)",         "ﾋﾟｸﾁｬﾎﾞﾀﾝ(&P)", "ｲﾒｰｼﾞ(&I)",
                                        "ﾗｼﾞｵﾎﾞﾀﾝ(&R)",     "ﾁｪｯｸﾎﾞｯｸｽ(&C)", "ﾌﾚｰﾑ(&F)",         "ｺﾝﾎﾞﾎﾞｯｸｽ(&M)"};
const char* const kObjectKindTips[] = {"ﾗﾍﾞﾙ",       "ﾎﾞﾀﾝ",       "ﾋﾟｸﾁｬﾎﾞﾀﾝ", "ｲﾒｰｼﾞ",
                                       "ﾗｼﾞｵﾎﾞﾀﾝ", "ﾁｪｯｸﾎﾞｯｸｽ", "ﾌﾚｰﾑ",       "ｺﾝﾎﾞﾎﾞｯｸｽ"};

QRect screenRect() {
  return QApplication::primaryScreen() ? QApplication::primaryScreen()->geometry() : QRect(0, 0, 800, 600);
}

}  // namespace

MainWindow::MainWindow(EditorState& state) : state_(state) {
  setWindowTitle(kEditorTitle);
  setAcceptDrops(true);
  buildMenus();
  buildToolBar();
  setCentralWidget(new QWidget(this));
  centralWidget()->setFixedHeight(0);
  ui::registerWindow(this);
}

void MainWindow::attach(EditorWorkspace& workspace) {
  workspace_ = &workspace;
  applyCommands(startupCommandState());
}

QAction* MainWindow::addItem(QMenu* menu, const QString& caption, EditorCommand command, int argument,
                             const QKeySequence& shortcut) {
  QAction* action = menu->addAction(caption);
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  connect(action, &QAction::triggered, this, [this, command, argument] { run(command, CommandSource::MainMenu, argument); });
  return action;
}

void MainWindow::addCommandAction(Command command, QAction* action) {
  commandActions_[static_cast<size_t>(command)].push_back(action);
}

void MainWindow::buildMenus() {
  QMenuBar* bar = menuBar();
  fileMenu_ = bar->addMenu("ﾌｧｲﾙ(&F)");
  addItem(fileMenu_, "新しいﾒﾆｭｰ(&N)", EditorCommand::NewMenu, 0, QKeySequence("Ctrl+N"));
  addItem(fileMenu_, "ﾒﾆｭｰを開く(&O)", EditorCommand::OpenMenu, 0, QKeySequence("Ctrl+O"));
  fileMenu_->addSeparator();
  addCommandAction(Command::CloseMenu, addItem(fileMenu_, "ﾒﾆｭｰの解放(&R)", EditorCommand::CloseMenu));
  fileMenu_->addSeparator();
  addCommandAction(Command::SaveMenus, addItem(fileMenu_, "全て上書き保存(&S)", EditorCommand::SaveAllMenus));
  addCommandAction(Command::SaveMenus, addItem(fileMenu_, "名前を付けて全て保存(&A)", EditorCommand::SaveAllMenusAs));
  addCommandAction(Command::SaveMenus,
                   addItem(fileMenu_, "ﾒﾆｭｰの上書き保存(&U)", EditorCommand::SaveMenu, 0, QKeySequence("Ctrl+S")));
  addCommandAction(Command::SaveMenus, addItem(fileMenu_, "名前を付けてﾒﾆｭｰの保存(&F)", EditorCommand::SaveMenuAs));
  fileMenu_->addSeparator();
  recentSeparator_ = fileMenu_->addSeparator();
  recentSeparator_->setVisible(false);
  exitItem_ = addItem(fileMenu_, "終了(&X)", EditorCommand::Exit);

  QMenu* view = bar->addMenu("表示(&V)");
  addItem(view, "ﾌﾟﾛﾊﾟﾃｨｳｨﾝﾄﾞｳ(&P)", EditorCommand::ShowProperties, 0, QKeySequence("Ctrl+P"));

  QMenu* edit = bar->addMenu("編集(&E)");
  QMenu* add = edit->addMenu("ｵﾌﾞｼﾞｪｸﾄの追加(&A)");
  addCommandAction(Command::AddObject, add->menuAction());
  for (int code = 0; code < 8; ++code) addItem(add, kObjectKindItems[code], EditorCommand::AddObject, code);
  lockItem_ = addItem(edit, "ｵﾌﾞｼﾞｪｸﾄの位置を固定する(&L)", EditorCommand::ToggleLock);
  lockItem_->setCheckable(true);
  addCommandAction(Command::Lock, lockItem_);
  edit->addSeparator();
  addCommandAction(Command::Copy, addItem(edit, "ｺﾋﾟｰ(&C)", EditorCommand::Copy, 0, QKeySequence("Ctrl+C")));
  addCommandAction(Command::Cut, addItem(edit, "切り取り(&X)", EditorCommand::Cut, 0, QKeySequence("Ctrl+X")));
  addCommandAction(Command::Paste, addItem(edit, "貼り付け(&V)", EditorCommand::Paste, 0, QKeySequence("Ctrl+V")));

  QMenu* script = bar->addMenu("ｽｸﾘﾌﾟﾄ(&S)");
  addCommandAction(Command::EditScript,
                   addItem(script, "編集(&E)", EditorCommand::EditScript, 0, QKeySequence("Ctrl+E")));
  addItem(script, "ｴﾃﾞｨｯﾀの設定(&S)", EditorCommand::SetEditor);

  QMenu* runMenu = bar->addMenu("実行(&R)");
  addCommandAction(Command::RunStart, addItem(runMenu, "開始(&S)", EditorCommand::RunStart, 0, QKeySequence("F5")));
  addCommandAction(Command::RunStop, addItem(runMenu, "終了(&E)", EditorCommand::RunStop));

  QMenu* help = bar->addMenu("ﾍﾙﾌﾟ(&H)");
  addItem(help, "HTMLヘルプ(&H)", EditorCommand::Help);
  help->addSeparator();
  addItem(help, "ﾊﾞｰｼﾞｮﾝ情報(&A)", EditorCommand::About);
}

void MainWindow::buildToolBar() {
  toolBar_ = addToolBar("TB");
  toolBar_->setMovable(false);
  toolBar_->setFloatable(false);
  toolBar_->setContextMenuPolicy(Qt::PreventContextMenu);
  auto button = [this](const QIcon& icon, const QString& tip, EditorCommand command, int argument = 0) {
    QAction* action = toolBar_->addAction(icon, tip);
    action->setToolTip(tip);
    connect(action, &QAction::triggered, this, [this, command, argument] { run(command, CommandSource::Toolbar, argument); });
    buttons_.push_back(action);
    return action;
  };
  auto separator = [this] { buttons_.push_back(toolBar_->addSeparator()); };
  separator();                                                                          // 1
  button(toolIcon(ToolIcon::NewMenu), "新しいﾒﾆｭｰ", EditorCommand::NewMenu);                      // 2
  button(toolIcon(ToolIcon::OpenMenu), "ﾒﾆｭｰを開く", EditorCommand::OpenMenu);                    // 3
  addCommandAction(Command::SaveAllButton, button(toolIcon(ToolIcon::Save), "上書き保存", EditorCommand::SaveAllMenus));
  separator();                                                                          // 5
  button(toolIcon(ToolIcon::Properties), "ﾌﾟﾛﾊﾟﾃｨ", EditorCommand::ShowProperties);             // 6
  separator();                                                                          // 7
  for (int code = 0; code < 8; ++code)                                                  // 8-15
    addCommandAction(Command::AddObject, button(objectKindIcon(code), kObjectKindTips[code], EditorCommand::AddObject, code));
  separator();                                                                          // 16
  addCommandAction(Command::Copy, button(toolIcon(ToolIcon::Copy), "ｺﾋﾟｰ", EditorCommand::Copy));
  addCommandAction(Command::Cut, button(toolIcon(ToolIcon::Cut), "切り取り", EditorCommand::Cut));
  addCommandAction(Command::Paste, button(toolIcon(ToolIcon::Paste), "貼り付け", EditorCommand::Paste));
  separator();                                                                          // 20
  addCommandAction(Command::EditScript, button(toolIcon(ToolIcon::EditScript), "ｽｸﾘﾌﾟﾄの編集", EditorCommand::EditScript));
  separator();                                                                          // 22
  addCommandAction(Command::RunStart, button(toolIcon(ToolIcon::Run), "実行", EditorCommand::RunStart));
  addCommandAction(Command::RunStop, button(toolIcon(ToolIcon::Stop), "終了", EditorCommand::RunStop));
}

void MainWindow::run(EditorCommand command, CommandSource source, int argument) {
  if (workspace_) workspace_->run(command, source, argument);
}

void MainWindow::applyCommands(const CommandState& commands) {
  for (size_t i = 0; i < commandActions_.size(); ++i)
    for (QAction* action : commandActions_[i]) action->setEnabled(commands.enabled[i]);
  lockItem_->setChecked(commands.lockChecked);
}

void MainWindow::showCaption(const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); }

void MainWindow::showRecentItems(const std::vector<std::string>& captions) {
  for (QAction* item : recentItems_) {
    fileMenu_->removeAction(item);
    item->deleteLater();
  }
  recentItems_.clear();
  for (size_t i = 0; i < captions.size(); ++i) {
    // The number is the item's access key; an "&" in the path is shown as it is.
    QString caption = QString::fromStdString(captions[i]);
    int pathStart = caption.indexOf(' ') + 1;
    caption = caption.left(pathStart) + caption.mid(pathStart).replace("&", "&&");
    auto* item = new QAction(caption, fileMenu_);
    int slot = static_cast<int>(i);
    connect(item, &QAction::triggered, this, [this, slot] { run(EditorCommand::OpenRecent, CommandSource::MainMenu, slot); });
    fileMenu_->insertAction(recentSeparator_, item);
    recentItems_.push_back(item);
  }
  // The separator before the exit item shows only with recent files above it.
  recentSeparator_->setVisible(!captions.empty());
}

void MainWindow::showPropertyWindow() {
  if (!propertyWindow_) return;
  propertyWindow_->show();
  propertyWindow_->raise();
  keepPropertyWindowClear();
}

void MainWindow::showSetEditorDialog() {
  ui::KeyboardReturn keyboard;
  SetEditorDialog dialog(state_, this);
  dialog.exec();
}

void MainWindow::showAboutBox() {
  ui::KeyboardReturn keyboard;
  AboutDialog dialog(this);
  dialog.exec();
}

void MainWindow::closeMainWindow() { close(); }

void MainWindow::restorePlacement() {
  // The default place; a stored one replaces it, and a damaged stored size keeps its size.
  const QRect screen = screenRect();
  ui::moveOuter(this, QPoint(0, 0));
  ui::resizeOuter(this, QSize(screen.width(), stripHeight()));
  if (settingsWereSaved()) {
    kovan::KovanObject().GetWindowPositionReg(ui::handleOfWindow(this), settingKeyName(), true, true);
    return;
  }
  placePropertyWindowBelow();
  // The strip's caption and frame come from the window manager once it is shown.
  ui::whenFrameKnown(this, QStringLiteral("property window below"), [this] { placePropertyWindowBelow(); });
}

void MainWindow::saveSettings() {
  // A maximised strip's rectangle is the screen's: the place stored from its last normal
  // close stays, as pemo keeps its own.
  if (!ui::maximisedOrFullScreen(this))
    kovan::KovanObject().SetWindowPositionReg(ui::handleOfWindow(this), settingKeyName());
  saveScriptEditorPath(state_.scriptEditorPath);
}

void MainWindow::placePropertyWindowBelow() {
  if (propertyWindow_) ui::moveOuter(propertyWindow_, QPoint(0, frameGeometry().bottom() + 1));
}

void MainWindow::keepPropertyWindowClear() {
  if (!propertyWindow_) return;
  propertyPlaceGiven_ = placePropertyWindowClear(ui::outerPlace(propertyWindow_)).topLeft();
  // Each frame, once the window manager gives it, makes its window taller: the two are
  // judged again then. The property window is judged at the place it was given, in its
  // size of the moment: while the window manager frames it, it passes through places it
  // never keeps, and a move made from one of those would be stored at the close.
  auto judgeAgain = [this] {
    const QRect sheet(propertyPlaceGiven_, ui::outerPlace(propertyWindow_).size());
    propertyPlaceGiven_ = placePropertyWindowClear(sheet).topLeft();
  };
  ui::whenFrameKnown(this, QStringLiteral("property window clear"), judgeAgain);
  ui::whenFrameKnown(propertyWindow_, QStringLiteral("clear of the strip"), judgeAgain);
}

QRect MainWindow::placePropertyWindowClear(QRect sheet) {
  if (!propertyWindow_ || !propertyWindow_->isVisible() || ui::maximisedOrFullScreen(this)) return sheet;
  const QRect strip = ui::outerPlace(this);
  if (!strip.intersects(sheet)) return sheet;
  const QRect screen = screenRect();
  int top = strip.bottom() + 1;
  if (top + sheet.height() > screen.bottom() + 1 && strip.top() - sheet.height() >= screen.top())
    top = strip.top() - sheet.height();
  sheet.moveTop(top);
  ui::moveOuter(propertyWindow_, sheet.topLeft());
  return sheet;
}

int MainWindow::stripHeight() const { return menuBar()->sizeHint().height() + toolBar_->sizeHint().height(); }

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && workspace_) workspace_->mainWindowActivated();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  // The window never shows more than its menu bar and toolbar.
  if (windowState() == Qt::WindowNoState && height() != stripHeight()) resize(width(), stripHeight());
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    run(EditorCommand::Help, CommandSource::MainMenu);
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (workspace_ && !workspace_->mainWindowMayClose()) {
    event->ignore();
    return;
  }
  {
    // What the close stores reaches the disk at once; a registry another program holds
    // costs the close a moment, never a frozen window.
    registry::WaitLimit closing;
    registry::WriteBatch batch;
    if (propertyWindow_) propertyWindow_->close();
    saveSettings();
  }
  event->accept();
  QApplication::quit();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  if (!state_.menuWindows) return;
  // Every dropped file opens as a menu file, in the order the desktop gives them.
  for (const QUrl& url : event->mimeData()->urls()) {
    if (!url.isLocalFile()) continue;
    std::string path = fs::toWindowsPath(url.toLocalFile().toStdString());
    if (!path.empty()) state_.menuWindows->openMenuWindow(path, "");
  }
  event->acceptProposedAction();
}

}  // namespace pemo::editor
