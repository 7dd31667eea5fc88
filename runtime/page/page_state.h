#pragma once
// What the runtime window keeps for the open menu.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "menufile/types.h"
#include "runtime/page/page_layout.h"

namespace pemo::page {

struct PendingParent {
  menufile::ObjectKind kind;
  int index;
  int frame;  // the FRAME element, by the frames' order in the file
};

struct PageState {
  std::string currentMenuFile;  // the path last given to OpenMenuFile, as given
  int currentMenuNode = 0;      // the tree node that menu was shown through; 0: none
  std::string menuCaption;      // the CAPTION of that file's MENU block
  bool menuOpening = false;     // the status line shows the opening message meanwhile
  PageExtent extent;
  int unloadModeValue = 0;      // menufile::UnloadMode of the open menu
  std::vector<PendingParent> pendingParents;
  long scrollX = 0;
  long scrollY = 0;
  int splitterLeft = 200;       // the splitter's left edge at the last layout
  int hoverLabelIndex = 0;
  std::optional<std::uint32_t> hoverLabelColor;  // its text colour before; empty: the control's own
  bool treeSync = false;        // the link actions are moving the tree themselves
  int tileCount = 0;            // tiles painted by the last tiling; 0: none yet
};

}  // namespace pemo::page
