#pragma once
// The editor's main window: a strip with the menu bar and the toolbar and nothing else.
// Its menus and buttons hand every command to the workspace logic; dropped files open as
// menu windows.
#include <QMainWindow>
#include <array>
#include <vector>

#include "editor/workspace/editor_workspace.h"

class QAction;
class QMenu;
class QToolBar;

namespace pemo::editor {

class MainWindow : public QMainWindow, public MainWindowView, public WorkspaceWindowsPort {
 public:
  explicit MainWindow(EditorState& state);

  // The workspace logic, made after this window because it needs it as its view.
  void attach(EditorWorkspace& workspace);
  // The property window, shown by its commands; nullptr while there is none.
  void setPropertyWindow(QWidget* window) { propertyWindow_ = window; }

  // MainWindowView.
  void applyCommands(const CommandState& commands) override;
  void showCaption(const std::string& caption) override;
  void showRecentItems(const std::vector<std::string>& captions) override;

  // WorkspaceWindowsPort.
  void showPropertyWindow() override;
  void showSetEditorDialog() override;
  void showAboutBox() override;
  void closeMainWindow() override;

  // The start-up placement: the stored rectangle, or the top of the screen across its
  // width on a first start.
  void restorePlacement();
  // What the program stores when it ends.
  void saveSettings();
  // The property window, shown at its stored place, never covers the strip nor is covered
  // by it: where the two would meet, it goes below the strip, or above it where the screen
  // has no room below.
  void keepPropertyWindowClear();

  QToolBar* toolBar() const { return toolBar_; }
  // The toolbar's buttons by their number, 1 to 24 (separators included).
  QAction* toolButton(int number) const { return buttons_.at(number - 1); }

 protected:
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  QAction* addItem(QMenu* menu, const QString& caption, EditorCommand command, int argument = 0,
                   const QKeySequence& shortcut = {});
  void addCommandAction(Command command, QAction* action);
  void buildMenus();
  void buildToolBar();
  void run(EditorCommand command, CommandSource source, int argument = 0);
  int stripHeight() const;
  void placePropertyWindowBelow();
  // Moves the property window, given at sheet (its outer place), clear of the strip where
  // the two meet; the place it then has.
  QRect placePropertyWindowClear(QRect sheet);

  EditorState& state_;
  EditorWorkspace* workspace_ = nullptr;
  QWidget* propertyWindow_ = nullptr;
  // Where keepPropertyWindowClear last placed the property window (its outer place).
  QPoint propertyPlaceGiven_;
  QToolBar* toolBar_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QAction* recentSeparator_ = nullptr;
  QAction* exitItem_ = nullptr;
  std::vector<QAction*> recentItems_;
  std::vector<QAction*> buttons_;
  std::array<std::vector<QAction*>, static_cast<size_t>(Command::Count)> commandActions_;
  QAction* lockItem_ = nullptr;
};

}  // namespace pemo::editor
