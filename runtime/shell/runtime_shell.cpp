#include "runtime/shell/runtime_shell.h"

#include <filesystem>

#include "platform/fs/current_folder.h"
#include "platform/fs/windows_path.h"
#include "platform/registry/registry.h"
#include "platform/ui/message_port.h"
#include "runtime/page/help_document.h"
#include "runtime/messages.h"

namespace pemo::shell {
using namespace runtime_messages;

namespace {

// The page objects' template font from the tree's stored font; parts not stored stay
// the template's own (objects have no strikethrough).
ui::Font templateFontOf(const TreeFont& tree) {
  ui::Font font;
  font.name = tree.name;
  font.size = tree.size.value_or(font.size);
  font.bold = tree.bold.value_or(font.bold);
  font.italic = tree.italic.value_or(font.italic);
  font.underline = tree.underline.value_or(font.underline);
  return font;
}

// Builds the start's menu tree from the lines the page takes apart as it reads the start
// menu, and hands it on once the reading has ended.
class StartTreeFromPage : public page::MenuLineObserver {
 public:
  StartTreeFromPage(const std::string& startFile, const MenuFileReader& read, std::function<void(MenuTree)> built)
      : startFile_(startFile), read_(read), built_(std::move(built)) {}
  void lineTaken(const menufile::MenuLine& line, std::size_t endOffset) override { outline_.take(line, endOffset); }
  void readingEnded(std::string_view bytes) override {
    built_(scanMenuTree(startFile_, {true, outline_.finish(bytes)}, read_));
  }

 private:
  const std::string& startFile_;
  const MenuFileReader& read_;
  std::function<void(MenuTree)> built_;
  MenuOutlineBuilder outline_;
};

}  // namespace

RuntimeShell::RuntimeShell(const Parts& parts)
    : parts_(parts),
      treeEvents_(parts.page, parts.links, parts.pageEvents, parts.tree),
      runMenu_(parts.runtime, parts.links.programs(), parts.window, parts.hooks),
      favourites_(parts.runtime, parts.page, parts.links, parts.tree, parts.window) {}

void RuntimeShell::createWindow(const Startup& start, const MenuFileReader& read) {
  page::RuntimeState& runtime = parts_.runtime;
  ShellWindowPort& window = parts_.window;
  noStartFile_ = start.noStartFile;
  {
    // The settings a start reads and writes reach the disk at once.
    registry::WriteBatch batch;
    ViewSettings settings = loadViewSettings();
    showLaunchSetting_ = settings.showLaunch;
    // The window takes its size first: the splitter is placed within it.
    if (hasStoredWindowRect()) window.restoreWindowRect();
    window.applyViewSettings(settings);
    if (settings.treeFont) parts_.page.objects().setTemplateFont(templateFontOf(*settings.treeFont));
    if (!runtime.hiddenStart) window.showWindow();
    runtime.startFolder = fs::currentFolder();
    if (!runtime.testRun) prepareUserFolder();
    parts_.hooks.clearRunList();
    if (!runtime.testRun) runMenu_.load();
  }
  runtime.explorerPath = fs::windowsFolder() + "\\explorer.exe";

  if (noStartFile_) {
    parts_.page.view().setCaption("");
    window.setItemEnabled(ShellItem::TopMenu, false);
    window.setItemEnabled(ShellItem::Favourites, false);
  } else {
    loadUserTree(start.menuFile, read ? read : fileSystemMenuReader(start.drive));
  }
  parts_.page.state().splitterLeft = parts_.page.view().splitterLeft();

  if (!runtime.testRun) {
    parts_.hooks.createLauncher(showLaunchSetting_);
    return;
  }
  for (ShellItem item : {ShellItem::RunMenu, ShellItem::OptionMenu, ShellItem::HelpMenu, ShellItem::Favourites,
                         ShellItem::Shutdown, ShellItem::Restart})
    window.setItemEnabled(item, false);
}

void RuntimeShell::prepareUserFolder() {
  const std::string userFolder = parts_.runtime.appFolder + "PemoUser";
  auto host = fs::toHostPath(userFolder);
  std::error_code ec;
  if (!host || std::filesystem::exists(*host, ec)) return;
  std::filesystem::create_directory(*host, ec);
  if (!parts_.runtime.appFolder.empty()) fs::changeDrive(parts_.runtime.appFolder[0]);
}

void RuntimeShell::loadUserTree(const std::string& startFile, const MenuFileReader& read) {
  std::optional<std::string> bytes;
  if (!startFile.empty()) bytes = read(startFile);
  // A start reads and parses its menu once: the page opens on the bytes read here, and
  // the tree is built from the lines the page takes apart. The tree stands before the
  // menu's loaded event, whose script may use it.
  if (bytes && page::isMenuFileLink(startFile) && parts_.page.readableMenuFile(startFile)) {
    std::optional<bool> cut;
    StartTreeFromPage fromPage(startFile, read, [&](MenuTree tree) {
      cut = tree.cut;
      parts_.tree.setNodes(std::move(tree.nodes));
      treeEvents_.showStartMenuOpening();
    });
    parts_.page.offerMenuBytes(startFile, std::move(*bytes), &fromPage);
    parts_.links.changeMenu(startFile);
    if (!cut) {
      // The file went away before the page read it: the tree is scanned on its own.
      MenuTree tree = scanMenuTree(startFile, read);
      cut = tree.cut;
      parts_.tree.setNodes(std::move(tree.nodes));
    }
    startMenuOpened(*cut);
    return;
  }
  // Otherwise the tree decides whether and how the start menu opens.
  ScannedFile start;
  if (bytes) start = {true, MenuOutlineBuilder().finish(*bytes)};
  MenuTree tree = scanMenuTree(startFile, std::move(start), read);
  if (bytes) parts_.page.offerMenuBytes(startFile, std::move(*bytes));
  parts_.tree.setNodes(std::move(tree.nodes));
  if (parts_.tree.nodeCount() == 0)
    parts_.links.changeMenu(startFile);
  else
    treeEvents_.openStartMenu();
  startMenuOpened(tree.cut);
}

void RuntimeShell::startMenuOpened(bool treeCut) {
  if (parts_.tree.nodeCount() == 0) {
    // A start menu without a caption has no node: it opens all the same, and the
    // commands that need the tree's first node are off.
    parts_.window.setItemEnabled(ShellItem::TopMenu, false);
    parts_.window.setItemEnabled(ShellItem::Favourites, false);
    return;
  }
  if (treeCut) parts_.page.view().setStatusText(kMenuTreeCutMessage);
  if (parts_.runtime.testRun) return;
  favourites_.startWith(parts_.tree.node(1)->caption);
}

bool RuntimeShell::closeRequested() {
  if (parts_.page.state().unloadModeValue == static_cast<int>(menufile::UnloadMode::CheckApps) &&
      parts_.links.checkRunningPrograms()) {
    ui::showExclamation(kCloseProgramsFirst, kTitle);
    return false;
  }
  // A registry another program holds costs the close a moment, never a frozen window.
  registry::WaitLimit closing;
  shutdownCleanup();
  parts_.hooks.closeLauncher();
  return true;
}

void RuntimeShell::shutdownCleanup() {
  page::ScriptPort& script = parts_.page.script();
  if (script.scriptLoaded()) {
    script.fireScriptEvent(page::ObjectKind::Menu, 0, menufile::ScriptEvent::UnloadMenu);
    script.closeScript();
  }
  {
    // The settings a close writes reach the disk at once.
    registry::WriteBatch batch;
    ViewSettings settings = parts_.window.currentViewSettings();
    settings.showLaunch = showLaunchSetting_;
    saveViewSettings(settings, [this] { parts_.window.storeWindowRect(); });
    parts_.window.clearRunProcessList();
  }
  // After the batch: a list that cannot be written is told in a message box, which must
  // not keep other programs waiting for the registry.
  if (!parts_.runtime.testRun) {
    runMenu_.save();
    favourites_.save();
  }
  const std::string& folder = parts_.runtime.startFolder;
  if (folder.size() >= 2 && folder[1] == ':') {
    fs::changeDrive(folder[0]);
    fs::changeFolder(folder);
  }
}

void RuntimeShell::run(ShellCommand command) {
  const bool menuCommand = command == ShellCommand::TopMenu || command == ShellCommand::OpenFavourites ||
                           command == ShellCommand::Shutdown || command == ShellCommand::Restart ||
                           command == ShellCommand::Exit;
  if (menuCommand && parts_.page.script().scriptRunning()) {
    ui::showExclamation(kScriptRunning, kTitle);
    return;
  }
  switch (command) {
    case ShellCommand::TreePane: parts_.window.toggleTreePane(); break;
    case ShellCommand::TopMenu:
      if (!parts_.tree.node(1)) break;
      parts_.tree.select(1);
      treeEvents_.nodeClicked(1);
      break;
    case ShellCommand::OpenFavourites:
      // Another runtime may have changed the list since this one last read it.
      favourites_.load();
      favourites_.buildMenu();
      break;
    case ShellCommand::Shutdown: askPower(kAskShutdown, &process::PowerPort::shutdown); break;
    case ShellCommand::Restart: askPower(kAskRestart, &process::PowerPort::restart); break;
    case ShellCommand::Exit: parts_.page.view().closeWindow(); break;
    case ShellCommand::Launcher:
      showLaunchSetting_ = !showLaunchSetting_;
      parts_.window.setLauncherChecked(showLaunchSetting_);
      parts_.hooks.showLauncher(showLaunchSetting_);
      break;
    case ShellCommand::TreeFont: parts_.window.chooseTreeFont(); break;
    case ShellCommand::Help: page::showHelpDocument(parts_.runtime.appFolder, parts_.links.programs()); break;
    case ShellCommand::Version: parts_.window.showVersionDialog(); break;
  }
}

void RuntimeShell::askPower(const char* question, void (process::PowerPort::*request)()) {
  if (ui::messages().show(question, ui::kYesNo | ui::kExclamation, kTitle) == ui::kYes) (parts_.power.*request)();
}

void RuntimeShell::checkOffShowLaunch() {
  parts_.window.setLauncherChecked(false);
  showLaunchSetting_ = false;
}

}  // namespace pemo::shell
