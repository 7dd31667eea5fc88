#pragma once
// What the workspace logic needs of its windows. The Qt windows implement these; the
// logic and its tests talk only to the interfaces.
#include <string>
#include <vector>

#include "editor/document/menu_object.h"
#include "editor/workspace/command_state.h"

namespace pemo::editor {

// The main window's strip: its menus and toolbar, caption and recent-file items.
class MainWindowView {
 public:
  virtual ~MainWindowView() = default;
  virtual void applyCommands(const CommandState& commands) = 0;
  virtual void showCaption(const std::string& caption) = 0;
  // The recent-file items of the File menu ("&1 path", ...); none also drops their
  // separator.
  virtual void showRecentItems(const std::vector<std::string>& captions) = 0;
};

// The editor's other top-level windows and dialogs.
class WorkspaceWindowsPort {
 public:
  virtual ~WorkspaceWindowsPort() = default;
  virtual void showPropertyWindow() = 0;
  // The modal script-editor setting and about box.
  virtual void showSetEditorDialog() = 0;
  virtual void showAboutBox() = 0;
  // Closes the main window, which runs its close sequence.
  virtual void closeMainWindow() = 0;
};

// The commands on the objects of the active menu window: adding, the object clipboard and
// deleting.
class ObjectCommandsPort {
 public:
  virtual ~ObjectCommandsPort() = default;
  virtual void addObject(ObjectKind kind) = 0;
  virtual void copy() = 0;
  virtual void cut() = 0;
  virtual void paste() = 0;
  virtual void deleteSelection() = 0;
  // The active menu window's band selection ends, marks and all, as a click on its
  // empty surface ends it.
  virtual void endSelection() = 0;
};

// Object commands that do nothing, for tests of the other commands.
class NoObjectCommands : public ObjectCommandsPort {
 public:
  void addObject(ObjectKind) override {}
  void copy() override {}
  void cut() override {}
  void paste() override {}
  void deleteSelection() override {}
  void endSelection() override {}
};

}  // namespace pemo::editor
