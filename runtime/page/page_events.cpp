#include "runtime/page/page_events.h"

#include "platform/text/numbers.h"
#include "platform/text/strings.h"

namespace pemo::page {
namespace {

using menufile::ScriptEvent;

bool hasLink(ObjectKind kind) {
  return kind == ObjectKind::Label || kind == ObjectKind::Button || kind == ObjectKind::PictureButton ||
         kind == ObjectKind::Image;
}

bool showsPressedFrame(ObjectKind kind) { return kind == ObjectKind::Label || kind == ObjectKind::Image; }

bool opensPopupMenu(ObjectKind kind) {
  return hasLink(kind) || kind == ObjectKind::Radio || kind == ObjectKind::CheckBox || kind == ObjectKind::Menu;
}

// A label's on-cursor colour: hexadecimal BGR digits; a text that reads as a number
// below 0 (such as -1) switches the colour off, and so do digits that are no colour at
// all.
std::optional<std::uint32_t> onCursorColour(const std::string& text) {
  if (text::Val(text) <= -1) return std::nullopt;
  unsigned long value = 0;
  if (!text::ParseHex(text, value) || value > 0xFFFFFFFFul) return std::nullopt;
  return static_cast<std::uint32_t>(value);
}

// A picture button's link may carry more after a ","; the status line shows the start.
std::string firstField(const std::string& link) {
  long comma = text::InStr(link, ",");
  return comma > 0 ? text::Left(link, comma - 1) : link;
}

}  // namespace

PageEvents::PageEvents(MenuPage& page, LinkActions& links, MenuTreePort& tree, PageEventPort& window)
    : page_(page), links_(links), tree_(tree), window_(window) {}

void PageEvents::fire(ObjectKind kind, int index, ScriptEvent event) {
  ScriptPort& script = page_.script();
  if (script.scriptLoaded()) script.fireScriptEvent(kind, index, event);
}

void PageEvents::click(ObjectKind kind, int index) {
  if (kind == ObjectKind::Menu) {
    fire(ObjectKind::Menu, 0, ScriptEvent::Click);
    return;
  }
  if (kind != ObjectKind::ComboBox && !hasLink(kind)) return;
  fire(kind, index, ScriptEvent::Click);
  if (kind == ObjectKind::ComboBox) return;
  // The SUB may have changed the link or the style: they are read after it.
  const PageObject* o = page_.objects().find(kind, index);
  if (o) links_.doLink(kind, index, o->link, o->linkStyle());
}

void PageEvents::mouseDown(ObjectKind kind, int index, int button) {
  if (button == kLeftButton && showsPressedFrame(kind)) {
    window_.drawPressedFrame(kind, index);
  } else if (button == kRightButton && opensPopupMenu(kind)) {
    window_.showPopupMenu();
  }
}

void PageEvents::mouseUp(ObjectKind kind, int, int button) {
  if (button == kLeftButton && showsPressedFrame(kind)) window_.erasePressedFrame();
}

void PageEvents::mouseMove(ObjectKind kind, int index) {
  if (kind == ObjectKind::Menu) {
    resetHoverLabel();
    if (!page_.state().menuOpening) page_.view().setStatusText("");
    return;
  }
  PageObject* o = page_.objects().find(kind, index);
  if (!o) return;
  switch (kind) {
    case ObjectKind::Label:
      hoverLabel(*o);
      showStyleHelp(o->linkStyle(), o->link);
      break;
    case ObjectKind::Button:
      resetHoverLabel();
      showStyleHelp(o->style, o->link);
      break;
    case ObjectKind::PictureButton:
      resetHoverLabel();
      showStyleHelp(o->style, firstField(o->link));
      break;
    case ObjectKind::Image:
      resetHoverLabel();
      page_.view().setStatusText(o->link);
      break;
    case ObjectKind::Radio:
    case ObjectKind::CheckBox:
      resetHoverLabel();
      return;
    default:
      return;
  }
  fire(kind, index, ScriptEvent::MouseMove);
}

bool PageEvents::keyDown(int keyCode, int shift) {
  if (keyCode == kKeyEscape && shift == kShiftKey) {
    // Closing by Shift+Esc does not ask about the programs still running.
    page_.state().unloadModeValue = static_cast<int>(menufile::UnloadMode::NoCheck);
    page_.view().closeWindow();
    return true;
  }
  if (keyCode == kKeyF1) {
    window_.showHelpDocument();
    return true;
  }
  return false;
}

void PageEvents::setLabelColour(PageObject& label, std::optional<std::uint32_t> colour) {
  if (label.foreColor == colour) return;
  label.foreColor = colour;
  page_.view().objectChanged(label);
}

void PageEvents::resetHoverLabel() {
  PageState& s = page_.state();
  if (s.hoverLabelIndex >= 1) {
    if (PageObject* label = page_.objects().find(ObjectKind::Label, s.hoverLabelIndex))
      setLabelColour(*label, s.hoverLabelColor);
  }
  s.hoverLabelIndex = 0;
}

void PageEvents::hoverLabel(PageObject& label) {
  PageState& s = page_.state();
  if (s.hoverLabelIndex != 0 && s.hoverLabelIndex != label.index) resetHoverLabel();
  // Moves within the hovered label keep the colour it had before it was recoloured.
  if (s.hoverLabelIndex == 0) s.hoverLabelColor = label.foreColor;
  if (auto colour = onCursorColour(label.onCursorColor)) {
    setLabelColour(label, colour);
    s.hoverLabelIndex = label.index;
  }
}

std::string PageEvents::styleHelp(int style, const std::string& link) {
  switch (static_cast<menufile::LinkStyle>(style)) {
    case menufile::LinkStyle::ExecuteSelection: return kHelpExecuteSelection;
    case menufile::LinkStyle::ExecuteSelectionThenLink: return kHelpExecuteSelectionThenLink;
    // The text tells where the parent-menu style will go: to a parent menu, or out.
    case menufile::LinkStyle::ParentMenu:
      return parentMenuNode(tree_, page_.state()) == 0 ? kHelpCloseMenu : kHelpParentMenu;
    default: return link;
  }
}

void PageEvents::showStyleHelp(int style, const std::string& link) { page_.view().setStatusText(styleHelp(style, link)); }

}  // namespace pemo::page
