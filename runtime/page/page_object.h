#pragma once
// One object of the open menu page as the page logic holds it: the attributes a menu
// file gives it, where it stands, and the values the link actions read back. The runtime
// window's widgets show these objects; they hold no state of their own.
#include <cstdint>
#include <optional>
#include <string>

#include "menufile/types.h"
#include "platform/ui/control_look.h"
#include "platform/ui/font.h"

namespace pemo::page {

using menufile::ObjectKind;

enum class ZOrder { Unchanged, Front, Back };

struct PageObject {
  ObjectKind kind = ObjectKind::Label;
  int index = 0;  // element number within its kind, 1 and up

  // Pixels: on the page in window pixels; inside a frame relative to the frame.
  double left = 0, top = 0, width = 0, height = 0;
  // Lines only: both ends, and the pen width.
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  int borderWidth = 1;

  std::string caption;  // an image's CAPTION is its tool tip
  std::optional<std::uint32_t> foreColor;  // BGR; empty: the control's own colour
  std::optional<std::uint32_t> backColor;
  ui::Font font;

  std::string link;
  std::string styleText;                   // a label's style, kept as the text read
  int style = 0;                           // the style number of buttons and images
  std::string onCursorColor = "ff0000";    // a label's colour under the mouse, as text
  std::string picture;                     // host path of the loaded picture; empty: none
  bool stretch = false;
  int value = 0;                           // radio: 0 or 1 (True); check box: 0, 1 or 2

  int parentFrame = 0;  // the FRAME element holding this object; 0: directly on the page
  bool visible = false;
  bool enabled = true;
  ZOrder zOrder = ZOrder::Unchanged;

  bool onPage() const { return parentFrame == 0; }
  // How its control shows it, and where.
  ui::ControlLook look() const;
  ui::ControlGeometry geometry() const;
  // The link style the link actions act on (a label keeps its style as text), or
  // menufile::kNoLinkStyle when the style names none.
  int linkStyle() const;
};

}  // namespace pemo::page
