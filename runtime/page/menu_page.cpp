#include "runtime/page/menu_page.h"

#include <filesystem>
#include <utility>

#include "platform/fs/lookup_scope.h"
#include "platform/fs/whole_file.h"
#include "platform/fs/windows_path.h"
#include "platform/text/strings.h"
#include "menufile/test_run.h"
#include "menufile/types.h"
#include "platform/ui/message_port.h"
#include "runtime/messages.h"
#include "runtime/page/menu_reader.h"

namespace pemo::page {
namespace {

using namespace runtime_messages;

std::optional<std::string> readBytes(const std::string& hostPath) {
  return fs::readWholeFile(hostPath, menufile::kLargestMenuFile);
}

bool samePath(const std::string& a, const std::string& b) {
  std::error_code ec;
  return std::filesystem::equivalent(a, b, ec);
}

}  // namespace

MenuPage::MenuPage(RuntimeState& runtime, PageView& view, ScriptPort& script)
    : runtime_(runtime), view_(view), script_(script) {}

std::string MenuPage::workingPath(const std::string& path, std::string* drive) const {
  *drive = runtime_.menuDrive;
  if (!path.empty() && path[0] == '\\') {
    if (drive->empty()) *drive = text::Left(fs::windowsFolder(), 2);
    return *drive + path;
  }
  if (text::InStr(path, ":\\") == 2) *drive = text::Left(path, 2);
  return path;
}

std::optional<std::string> MenuPage::readableMenuFile(const std::string& path) const {
  std::string drive;
  auto host = fs::toHostPath(workingPath(path, &drive));
  if (!host) return std::nullopt;
  if (!fs::canReadWholeFile(*host, menufile::kLargestMenuFile)) return std::nullopt;
  return host;
}

std::string MenuPage::withMenuDrive(const std::string& link) const {
  return !link.empty() && link[0] == '\\' ? runtime_.menuDrive + link : link;
}

bool MenuPage::openMenuFile(const std::string& path) {
  view_.setPointer(MousePointer::Hourglass);
  state_.menuOpening = true;
  view_.setOpening(true);
  view_.setStatusText(path + " を開いています");
  view_.yieldToEvents();

  state_.extent = {};
  selection_.clear();
  state_.scrollX = state_.scrollY = 0;
  if (script_.scriptLoaded()) script_.closeScript();
  state_.currentMenuFile = path;
  state_.menuCaption.clear();
  std::string working = workingPath(path, &runtime_.menuDrive);

  auto finish = [&] {
    view_.setOpening(false);
    view_.setStatusText("");
    state_.menuOpening = false;
    view_.setPointer(MousePointer::Default);
  };
  auto host = fs::toHostPath(working);
  auto offered = std::exchange(offeredBytes_, std::nullopt);
  MenuLineObserver* lines = std::exchange(offeredLines_, nullptr);
  const bool takesOffer = host && offered && offeredPath_ == path;
  if (!takesOffer) lines = nullptr;
  auto bytes = !host ? std::nullopt : takesOffer ? std::move(offered) : readBytes(*host);
  if (!bytes) {
    finish();
    ui::showExclamation(path + "\r" + kCannotOpenMenu, kTitle);
    return false;
  }

  MenuReadResult read;
  bool cutShort = false;
  try {
    // A page names the same few pictures on many of its objects: each folder on their way
    // is looked up once per opening.
    fs::PathLookupScope lookups;
    read = MenuReader(objects_, state_, runtime_, view_, lines).read(*bytes);
    finishMenuLayout();
  } catch (const MenuReadError&) {
    cutShort = true;
  }
  if (lines) lines->readingEnded(*bytes);
  if (cutShort) {
    finish();
    ui::showExclamation(path + "\r" + kMenuCutShort, kTitle);
    return false;
  }
  view_.raiseFixedControls();
  view_.setOpening(false);  // the loaded SUB runs on the finished page

  MenuScriptSource source{working, read.scriptStartPosition, read.includeFiles};
  if (runtime_.testRun) {
    auto appHost = fs::toHostPath(runtime_.appFolder);
    if (appHost && samePath(*host, (std::filesystem::path(*appHost) / menufile::kTestRunOpenedMenuFile).string())) {
      std::error_code ec;
      std::filesystem::remove(*host, ec);
      source.scriptFile = runtime_.appFolder + menufile::kTestRunScriptFile;
      source.startPosition = 1;
      read.hasScript = true;
    }
  }
  if (read.hasScript) {
    script_.loadScript(source);
    script_.fireScriptEvent(ObjectKind::Menu, 0, menufile::ScriptEvent::LoadedMenu);
  }
  finish();
  return true;
}

MenuPage::BytesOffer MenuPage::offerMenuBytes(const std::string& path, std::optional<std::string> bytes,
                                              MenuLineObserver* lines) {
  offeredPath_ = path;
  offeredBytes_ = std::move(bytes);
  offeredLines_ = lines;
  return BytesOffer(*this);
}

MenuPage::BytesOffer::~BytesOffer() {
  page_.offeredBytes_.reset();
  page_.offeredLines_ = nullptr;
}

void MenuPage::finishMenuLayout() {
  if (objects_.count(ObjectKind::Frame) <= 1) return;  // no frame: those objects stay hidden
  const double shift = view_.treePaneShown() ? view_.splitterWidth() + view_.splitterLeft() : 0;
  for (const auto& pending : state_.pendingParents) {
    PageObject* o = objects_.find(pending.kind, pending.index);
    if (!o) continue;
    if (!objects_.find(ObjectKind::Frame, pending.frame))
      throw MenuReadError("no frame " + std::to_string(pending.frame));
    o->parentFrame = pending.frame;
    o->left -= shift;
    o->visible = true;
    o->zOrder = ZOrder::Front;
    view_.objectChanged(*o);
  }
}

void MenuPage::closeMenu() {
  objects_.clear();
  view_.pageCleared();
  if (script_.scriptLoaded())
    script_.fireScriptEvent(ObjectKind::Menu, 0, menufile::ScriptEvent::UnloadMenu);
  state_.pendingParents.clear();
  state_.hoverLabelIndex = 0;
}

void MenuPage::shiftForTreePane(bool paneShown, int paneWidth) {
  page::shiftForTreePane(objects_, state_.extent, paneShown, paneWidth);
  view_.objectsMoved();
}

void MenuPage::shiftForSplitter(int splitterLeft) {
  page::shiftForSplitter(objects_, state_.extent, splitterLeft, state_.splitterLeft);
  view_.objectsMoved();
}

void MenuPage::scrollX(int value) {
  if (value == state_.scrollX) return;
  scrollPageX(objects_, state_.scrollX, value);
  view_.objectsMoved();
}

void MenuPage::scrollY(int value) {
  if (value == state_.scrollY) return;
  scrollPageY(objects_, state_.scrollY, value);
  view_.objectsMoved();
}

void MenuPage::undoScrollX() {
  page::undoScrollX(objects_, state_.scrollX);
  state_.scrollX = 0;
  view_.objectsMoved();
}

void MenuPage::undoScrollY() {
  page::undoScrollY(objects_, state_.scrollY);
  state_.scrollY = 0;
  view_.objectsMoved();
}

void MenuPage::setCaption(ObjectKind kind, int index, const std::string& caption) {
  if (PageObject* o = objects_.find(kind, index)) {
    o->caption = caption;
    view_.objectChanged(*o);
  }
}

}  // namespace pemo::page
