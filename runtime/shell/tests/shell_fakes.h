#pragma once
// The shell's logic on fakes: the page's fakes, a window, a tree, hooks and a power port
// that record what the shell asks of them.
#include <functional>
#include <string>
#include <vector>

#include "platform/process/power.h"
#include "runtime/page/page_events.h"
#include "runtime/page/tests/page_fakes.h"
#include "runtime/shell/runtime_shell.h"

namespace pemo::shell::testing {

// Everything the shell asked of its neighbours, in order.
using Calls = std::vector<std::string>;

class FakeShellWindow : public ShellWindowPort {
 public:
  explicit FakeShellWindow(Calls& calls) : calls_(calls) {}
  void applyViewSettings(const ViewSettings& s) override {
    applied = s;
    calls_.push_back("applyViewSettings");
  }
  ViewSettings currentViewSettings() override { return current; }
  void restoreWindowRect() override { calls_.push_back("restoreWindowRect"); }
  void storeWindowRect() override { calls_.push_back("storeWindowRect"); }
  void showWindow() override { calls_.push_back("showWindow"); }
  void setItemEnabled(ShellItem item, bool enabled) override {
    if (!enabled) disabled.push_back(item);
  }
  void setLauncherChecked(bool checked) override { launcherChecked = checked; }
  void toggleTreePane() override { calls_.push_back("toggleTreePane"); }
  void clearRunProcessList() override { calls_.push_back("clearRunProcessList"); }
  void showRunMenuItems(const std::vector<RunMenuItem>& items) override {
    runMenuItems = items;
    calls_.push_back("showRunMenuItems");
  }
  void showRunRegistration() override {
    calls_.push_back("showRunRegistration");
    if (registration) registration();
  }
  void showFavouriteItems(const std::vector<std::string>& captions) override {
    favouriteItems = captions;
    calls_.push_back("showFavouriteItems");
  }
  std::optional<std::vector<page::FavouriteMenu>> showFavouritesDeleteDialog() override {
    calls_.push_back("showFavouritesDeleteDialog");
    return deleteDialog ? deleteDialog() : std::nullopt;
  }
  void chooseTreeFont() override { calls_.push_back("chooseTreeFont"); }
  void showVersionDialog() override { calls_.push_back("showVersionDialog"); }

  ViewSettings applied;
  ViewSettings current;
  std::vector<ShellItem> disabled;
  bool launcherChecked = false;
  std::vector<RunMenuItem> runMenuItems;
  std::vector<std::string> favouriteItems;
  // What the user does in the modal dialogs.
  std::function<void()> registration;
  // The entries left on "OK", or nothing for "ｷｬﾝｾﾙ".
  std::function<std::optional<std::vector<page::FavouriteMenu>>()> deleteDialog;

 private:
  Calls& calls_;
};

class FakeTreeView : public MenuTreeView {
 public:
  int selectedNode() override { return selected; }
  void selectAndExpand(int node) override {
    selected = node;
    expanded.push_back(node);
  }
  void select(int node) override { selected = node; }
  int selected = 0;
  std::vector<int> expanded;

 protected:
  void showNodes(const std::vector<page::MenuTreeNode>&) override { selected = 0; }
};

class RecordingHooks : public ShellHooks {
 public:
  explicit RecordingHooks(Calls& calls) : calls_(calls) {}
  void clearRunList() override { calls_.push_back("clearRunList"); }
  void createLauncher(bool show) override { calls_.push_back(show ? "createLauncher shown" : "createLauncher"); }
  void showLauncher(bool show) override { calls_.push_back(show ? "showLauncher" : "hideLauncher"); }
  void closeLauncher() override { calls_.push_back("closeLauncher"); }
  void loadAppIcon() override { calls_.push_back("loadAppIcon"); }

 private:
  Calls& calls_;
};

class FakePower : public process::PowerPort {
 public:
  explicit FakePower(Calls& calls) : calls_(calls) {}
  void shutdown() override { calls_.push_back("shutdown"); }
  void restart() override { calls_.push_back("restart"); }

 private:
  Calls& calls_;
};

class NoPageEventPort : public page::PageEventPort {
 public:
  void showPopupMenu() override {}
  void showHelpDocument() override {}
  void drawPressedFrame(page::ObjectKind, int) override {}
  void erasePressedFrame() override {}
};

// The shell over a page on fakes.
struct ShellRig : page::testing::LinkedPage {
  Calls calls;
  FakeShellWindow window{calls};
  FakeTreeView treeView;
  page::LinkActions treeLinks{page, programs, runList, treeView};
  NoPageEventPort eventPort;
  page::PageEvents pageEvents{page, treeLinks, treeView, eventPort};
  RecordingHooks hooks{calls};
  FakePower power{calls};
  RuntimeShell shell{{runtime, page, treeLinks, pageEvents, window, treeView, hooks, power}};
};

}  // namespace pemo::shell::testing
