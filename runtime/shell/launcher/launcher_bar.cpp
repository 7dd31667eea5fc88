#include "runtime/shell/launcher/launcher_bar.h"

#include "runtime/shell/launcher/launcher_entries.h"
#include "runtime/shell/run_menu.h"

namespace pemo::shell::launcher {
namespace {

constexpr const char* kExplorerTooltip = "ｴｸｽﾌﾟﾛｰﾗ";

}  // namespace

LauncherBar::LauncherBar(page::RuntimeState& runtime, LauncherView& view, LauncherHost& host,
                         process::ProgramPort& programs)
    : runtime_(runtime), view_(view), host_(host), programs_(programs) {}

void LauncherBar::load() {
  settings_ = loadLauncherSettings();
  bar_.left = pixelsOf(settings_.left, runtime_.twipsPerPixelX);
  bar_.top = pixelsOf(settings_.top, runtime_.twipsPerPixelY);
  view_.setTopmost(settings_.mostTop);
  if (settings_.hideMenu) host_.showRuntimeWindow(false);
  view_.setBackground(settings_.windowColor);
  loadAppIcon();  // placed on the screen even when stored on a larger one
  if (settings_.edgeDock) collapseBar();
}

void LauncherBar::loadAppIcon() {
  const int size = settings_.buttonSize;
  std::vector<LauncherButton> buttons;
  buttons.push_back({1, kExplorerTooltip, runtime_.explorerPath, {ButtonIcon::Folder, {}}, {}});
  for (const page::RunListEntry& entry : runtime_.runList) {
    if (static_cast<int>(buttons.size()) > kMostListedPrograms) break;
    buttons.push_back({static_cast<int>(buttons.size()) + 1, entry.caption, entry.commandLine,
                       extractIconPicture(entry.commandLine), {}});
  }
  for (LauncherButton& button : buttons) button.rect = buttonRect(button.index, size, settings_.orientation);
  buttonCount_ = static_cast<int>(buttons.size()) + 1;
  tags_.clear();
  for (const LauncherButton& button : buttons) tags_.push_back(button.tag);
  view_.setButtons(buttons);
  view_.setButtonsVisible(!(settings_.edgeDock && hover_ == Hover::Idle));
  const bool strip = settings_.edgeDock && hover_ != Hover::Expanded;
  placeBar(sizedBar(bar_, settings_.orientation, barLength(buttonCount_, size),
                    strip ? kCollapsedThickness : barThickness(size)));
}

bool LauncherBar::unload() {
  settings_.left = bar_.left * runtime_.twipsPerPixelX;
  settings_.top = bar_.top * runtime_.twipsPerPixelY;
  saveLauncherSettings(settings_);
  if (!hideMode()) return true;
  // The runtime window refuses while programs it started still run; ending the program
  // anyway would skip its clean-up and lose the view settings and the run list.
  if (!host_.closeRuntimeWindow()) return false;
  host_.endProgram();
  return true;
}

void LauncherBar::buttonClicked(int index) {
  // The tag the button got when it was built, as the run list may have changed since.
  if (index < 1 || index > static_cast<int>(tags_.size())) return;
  programs_.start(tags_[index - 1]);  // a failed start says nothing
}

void LauncherBar::rightClicked(int index) { menuButtonIndex_ = index; }

PopupState LauncherBar::popupState() const {
  PopupState state;
  state.mostTop = settings_.mostTop;
  state.edgeDock = settings_.edgeDock;
  state.orientation = settings_.orientation;
  state.buttonSize = settings_.buttonSize;
  state.deleteEnabled = menuButtonIndex_ >= 2 && menuButtonIndex_ < buttonCount_;
  state.hideMenu = settings_.hideMenu;
  state.closeCaption = settings_.hideMenu ? "終了(&X)" : "ﾗﾝﾁｬを閉じる(&X)";
  return state;
}

void LauncherBar::toggleMostTop() {
  settings_.mostTop = !settings_.mostTop;
  view_.setTopmost(settings_.mostTop);
}

void LauncherBar::setOrientation(Orientation orientation) {
  settings_.orientation = orientation;
  loadAppIcon();
}

void LauncherBar::setButtonSize(int buttonSize) {
  settings_.buttonSize = buttonSize == kSmallButton ? kSmallButton : kLargeButton;
  loadAppIcon();
}

void LauncherBar::chooseBackground() {
  if (auto colour = view_.chooseColour(settings_.windowColor)) {
    settings_.windowColor = *colour;
    view_.setBackground(*colour);
  }
}

void LauncherBar::editRunInfo() {
  host_.editRunInfo();
  afterRunListChange();
}

void LauncherBar::toggleHideMenu() {
  settings_.hideMenu = !settings_.hideMenu;
  host_.showRuntimeWindow(!settings_.hideMenu);
  // On top either way, so that the bar is not lost behind other windows; the tick of
  // "常に手前に表示(&F)" stays as it was.
  view_.setTopmost(true);
}

bool LauncherBar::closeItem() {
  if (settings_.hideMenu) return unload();
  view_.showBar(false);
  host_.checkOffShowLaunch();
  return true;
}

void LauncherBar::afterRunListChange() {
  loadAppIcon();
  host_.editRunMenu();
}

void LauncherBar::placeBar(const BarRect& rect) {
  // Wherever a load, a drag, a rebuild or a turn puts the bar, all of it stays on the
  // screen: a button beyond the edge could never be clicked.
  bar_ = keepOnScreen(rect, view_.screenSize());
  view_.placeBar(bar_);
}

}  // namespace pemo::shell::launcher
