#pragma once
// The launcher bar's settings under the `Launch` subkey of the runtime's key: read when
// the bar loads, written when it unloads. Every value is stored as text.
#include <cstdint>
#include <string>

#include "runtime/shell/launcher/launcher_geometry.h"

namespace pemo::shell::launcher {

// The palette's button face, the bar's colour until one is chosen.
inline constexpr std::uint32_t kButtonFaceColour = 0x8000000F;

struct LauncherSettings {
  double left = 0;  // twips
  double top = 0;   // twips
  Orientation orientation = Orientation::Horizontal;
  int buttonSize = kLargeButton;
  bool mostTop = false;    // "常に手前に表示(&F)"
  bool edgeDock = false;   // "画面の端に移動(&E)"
  bool hideMenu = false;   // "ﾒﾆｭｰを非表示(&H)": the runtime window stays hidden
  std::uint32_t windowColor = kButtonFaceColour;  // BGR, or a system colour
};

// Reads the eight values, creating the key when it is missing. Missing and empty values
// keep their defaults; a button size other than 20 reads as 36, the size its menu item
// then ticks; a colour that is not hexadecimal reads as 0.
LauncherSettings loadLauncherSettings();
void saveLauncherSettings(const LauncherSettings& settings);

// The part of a path after the last "." that follows the last "\", in upper case; "" when
// there is none.
std::string getFileExtensionStr(const std::string& path);

}  // namespace pemo::shell::launcher
