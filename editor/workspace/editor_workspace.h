#pragma once
// The editor's workspace logic: the main window's command routing and command state, its
// recent-file items and caption, the activation and closing of menu windows and the
// main window's close sequence. The Qt windows forward their events here.
#include <cstdint>
#include <vector>

#include "editor/document/editor_state.h"
#include "editor/workspace/command_state.h"
#include "editor/workspace/editor_commands.h"
#include "editor/workspace/workspace_ports.h"

namespace pemo::editor {

// Where a command came from decides what follows it: the main window's menus refresh the
// commands, its toolbar reloads the property window.
enum class CommandSource { MainMenu, Toolbar, MenuWindow };

class EditorWorkspace : public MainWindowPort {
 public:
  EditorWorkspace(EditorState& state, MainWindowView& view, WorkspaceWindowsPort& windows,
                  ObjectCommandsPort& objects);

  // MainWindowPort.
  void setRecentMenu() override;
  void changeMainSetting() override;
  void setCaption(const std::string& caption) override;
  void showRunState(bool running) override;

  void run(EditorCommand command, CommandSource source, int argument = 0);

  const CommandState& commands() const { return commands_; }

  // The main window became active: with no menu window open it shows the plain title
  // and its save-all button goes off.
  void mainWindowActivated();
  // A menu window became active: it holds the active menu from now on. Another menu
  // window than the last one also makes the menu itself the active object, so that no
  // command works on an object of the window left.
  void menuWindowActivated(MenuDocument& document, std::uint32_t windowHandle);
  // A click on a menu window's empty surface selects the menu itself.
  void surfaceClicked(MenuDocument& document, std::uint32_t windowHandle);
  // Delete pressed in a menu window (its key or its popup's item): deletes what is selected
  // in that window, then the window's menu is the active object. When another window's
  // object was the active one (the window's activation has not been seen yet), nothing
  // of either window is deleted.
  void menuWindowDelete(MenuDocument& document, std::uint32_t windowHandle);

  // The main window's add-object commands: a band selection turns them off.
  void setAddCommandsEnabled(bool enabled);

  // A menu window was resized: the menu itself becomes the active object.
  void menuWindowResized();

  // Asked before a menu window closes: refuses while its script is being edited, and
  // for a changed menu asks whether to save it. False keeps the window open.
  bool menuWindowMayClose(MenuDocument& document);
  // After a menu window closed: its test run stops and its work file goes. When it was
  // the active one, the menu window last active before it comes to the front and holds
  // the active menu; with none left the main window shows its plain title.
  void menuWindowClosed(MenuDocument& document);

  // The main window's close: every menu window is closed in turn; false (the program
  // goes on) when a script is being edited or a menu window stays open.
  bool mainWindowMayClose();

 private:
  void changeActiveObject();
  void toggleLock();
  void openRecent(int slot);
  void apply();
  // No menu window is open: the plain title, and no save-all button.
  void showNoMenu();

  EditorState& state_;
  MainWindowView& view_;
  WorkspaceWindowsPort& windows_;
  ObjectCommandsPort& objects_;
  CommandState commands_ = startupCommandState();
  // The open menu windows, the one active last at the end.
  std::vector<MenuDocument*> activationOrder_;
};

// The property window's reload as far as the workspace needs it while there is no
// property window: only the commands follow.
class CommandsOnlyPropertyWindow : public PropertyWindowPort {
 public:
  explicit CommandsOnlyPropertyWindow(MainWindowPort& main) : main_(main) {}
  void changeActiveObject() override { main_.changeMainSetting(); }

 private:
  MainWindowPort& main_;
};

// "ﾌｧｲﾙ " path " は存在しません。"
std::string missingFileMessage(const std::string& path);
// "[" caption "]は変更されています。" CR "保存しますか？"
std::string saveQuestion(const std::string& caption);

}  // namespace pemo::editor
