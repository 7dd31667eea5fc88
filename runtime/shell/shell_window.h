#pragma once
// What the shell's logic needs of the runtime window beyond the page: its menus, its
// view settings, its placement on the screen and its dialogs. The Qt window implements
// it; tests use a fake.
#include <optional>
#include <string>
#include <vector>

#include "runtime/page/link_ports.h"
#include "runtime/page/runtime_state.h"
#include "runtime/shell/run_menu.h"
#include "runtime/shell/view_settings.h"

namespace pemo::shell {

// Menu-bar items that the shell enables and disables.
enum class ShellItem {
  TreePane,      // "ﾘﾝｸﾂﾘｰ(&T)"
  TopMenu,       // "最上位ﾒﾆｭｰ表示(&M)"
  Favourites,    // "よく使うﾒﾆｭｰ(&U)"
  Shutdown,      // "Windowsの終了(&E)"
  Restart,       // "ｺﾝﾋﾟｭｰﾀを再起動(&R)"
  RunMenu,       // "実行(&R)"
  OptionMenu,    // "ｵﾌﾟｼｮﾝ(&O)"
  HelpMenu,      // "ﾍﾙﾌﾟ(&H)"
};

class ShellWindowPort {
 public:
  virtual ~ShellWindowPort() = default;

  // View settings: applied once before the window is shown, read back at shutdown.
  virtual void applyViewSettings(const ViewSettings& settings) = 0;
  virtual ViewSettings currentViewSettings() = 0;
  // The window's rectangle under the runtime's key, kept on the screen when restored.
  virtual void restoreWindowRect() = 0;
  virtual void storeWindowRect() = 0;
  // Shows the window and lets it paint.
  virtual void showWindow() = 0;

  virtual void setItemEnabled(ShellItem item, bool enabled) = 0;
  // The check mark of "ﾗﾝﾁｬ表示(&L)".
  virtual void setLauncherChecked(bool checked) = 0;
  // The tree pane on or off, the page moved and laid out again.
  virtual void toggleTreePane() = 0;

  // Deletes this window's list of started programs (`Run\<handle>`).
  virtual void clearRunProcessList() = 0;

  // The RUN menu's separator and program items (50 to 90) become these.
  virtual void showRunMenuItems(const std::vector<RunMenuItem>& items) = 0;
  // The registration dialog RUNREG on the run list, modal: returns once it has closed.
  virtual void showRunRegistration() = 0;
  // The favourites' items (0 to 19, with the separator 98 when there is one) become these.
  virtual void showFavouriteItems(const std::vector<std::string>& captions) = 0;
  // The dialog DELUSER on the favourites, modal: the entries left on "OK", nothing on
  // "ｷｬﾝｾﾙ".
  virtual std::optional<std::vector<page::FavouriteMenu>> showFavouritesDeleteDialog() = 0;

  // The font dialog for the tree, and the version dialog.
  virtual void chooseTreeFont() = 0;
  virtual void showVersionDialog() = 0;
};

// The menu tree `TV`: the nodes as the scan found them, and the selection the tree
// control shows. Nodes are numbered from 1.
class MenuTreeView : public page::MenuTreePort {
 public:
  void setNodes(std::vector<page::MenuTreeNode> nodes);
  int nodeCount() const override { return static_cast<int>(nodes_.size()); }
  // The node, or nullptr for a number that names none.
  const page::MenuTreeNode* node(int node) const;
  // Makes the node the selected one without expanding it.
  virtual void select(int node) = 0;

  int parentOf(int node) override;
  std::vector<int> childrenOf(int node) override;
  std::string nodeFile(int node) override;

 protected:
  // The control shows the nodes (replacing what it showed).
  virtual void showNodes(const std::vector<page::MenuTreeNode>& nodes) = 0;

 private:
  std::vector<page::MenuTreeNode> nodes_;
  std::vector<std::vector<int>> children_;
};

}  // namespace pemo::shell
