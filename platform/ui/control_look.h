#pragma once
// How a menu object looks, whichever program shows it: the runtime's page and the
// editor's design surface describe their objects so, and controls.h draws them alike.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/ui/font.h"

namespace pemo::ui {

enum class ControlKind { Label, Button, PictureButton, Image, Radio, CheckBox, Frame, ComboBox, Line };

// Pixels within the control's parent (the page, or the frame that holds it).
struct ControlGeometry {
  double left = 0, top = 0, width = 0, height = 0;  // a combo box is as high as its font
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;            // a line's two ends
  int penWidth = 1;                                 // a line's width
};

// A check box's third state, beside 0 (unchecked) and 1 (checked).
constexpr int kCheckGrayed = 2;

struct ControlLook {
  ControlKind kind = ControlKind::Label;
  ControlGeometry geometry;
  // A label's text wraps and sits at its top left; an image's caption is its tool tip.
  std::string caption;
  std::optional<std::uint32_t> foreColor;  // BGR; empty: the control's own colour
  std::optional<std::uint32_t> backColor;  // radio buttons, check boxes and frames
  Font font;                               // all but images and lines
  std::string picture;                     // host path of the picture; empty: none
  bool stretch = false;                    // an image's picture fills its box
  int state = 0;                           // radio: 0 or 1; check box: 0, 1 or kCheckGrayed
  bool visible = true;
  bool enabled = true;
};

}  // namespace pemo::ui
