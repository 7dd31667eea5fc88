#pragma once
// One object of a menu document: an element of its kind's control array.
#include <cstdint>
#include <string>

#include "menufile/types.h"
#include "platform/ui/font.h"

namespace pemo::editor {

using menufile::ObjectKind;

// The platform's button-face colour, the default back colour of choice controls and frames.
inline constexpr std::uint32_t kButtonFaceColour = 0x8000000F;
inline constexpr std::uint32_t kWindowColour = 0x80000005;
// The colour a label's text takes under the mouse unless the file or the user sets another.
inline constexpr const char* kDefaultOnCursorColour = "FF0000";

using FontChoice = ui::Font;

struct MenuObject {
  ObjectKind kind = ObjectKind::Label;
  // Caption of labels, buttons, picture buttons, radio buttons, check boxes and frames;
  // for an image the text the runtime shows as its tool tip.
  std::string caption;
  // Pixels for an object on the page; twips for an object inside a frame.
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;  // not used by combo boxes
  std::uint32_t foreColor = 0;
  std::uint32_t backColor = kButtonFaceColour;  // radio, check box, frame
  FontChoice font;                                // all but images
  std::string link;                             // label, button, picture button, image
  int linkStyle = 0;                  // LinkStyle of a button, picture button or image
  std::string labelStyle = "0";       // a label keeps its link style as text
  std::string onCursorColor = kDefaultOnCursorColour;  // label: colour text under the mouse
  std::string picture;                // picture button, image: picture file name
  bool stretch = false;               // image
  int value = 0;                      // radio: 0 or 1; check box: 0, 1 or 2 (greyed)
  int frame = 0;                      // index of the containing frame, 0 on the page
  bool visible = false;
  bool operator==(const MenuObject&) const = default;
};

// The design template (element 0) of a kind: what a new object, and an object read from
// a file, starts from. Sizes in pixels of the page.
MenuObject templateObject(ObjectKind kind);

// Puts an object that stands on the page into a frame: it keeps its size and its offset,
// now measured from the frame's top-left corner in twips.
void moveIntoFrame(MenuObject& object, int frameIndex, double twipsPerPixelX, double twipsPerPixelY);

// Brings the object's position and size within the coordinate rule that the readers and
// the property rows keep (menufile::kLargestCoordinate pixels either way; inside a frame
// the same distance in twips), so that a drag or a paste cannot store what no reader takes.
void clampGeometry(MenuObject& object, double twipsPerPixelX, double twipsPerPixelY);

}  // namespace pemo::editor
