#pragma once
// Codes shared by the menu file, the editor, the runtime page and the script interpreter.
#include <cstdint>

namespace pemo::menufile {

enum class ObjectKind : int {
  Multiple = -1,  // the editor's multi-selection
  Menu = 0,
  Label = 1,
  Button = 2,
  PictureButton = 3,
  Image = 4,
  Radio = 5,
  CheckBox = 6,
  Frame = 8,
  ComboBox = 9,
  Line = 10,  // lines exist only in the runtime; not a code any Part hands around
};

// Element numbers are 16-bit: the n-th block of a kind is element n, 1 to 32767. A file
// with more blocks of one kind than that cannot be read to its end.
inline constexpr int kLargestElement = 32767;

// The largest menu file either program reads, about three times a menu of 100,000 objects.
// A larger one is no menu a person made: it is refused as a file that cannot be read, so
// that a huge or endless file neither exhausts memory nor keeps a page from showing.
inline constexpr std::uintmax_t kLargestMenuFile = std::uintmax_t(64) << 20;

enum class LinkStyle : int {
  ExecuteLink = 0,
  ToggleSelection = 1,
  ExecuteSelection = 2,
  ExecuteSelectionThenLink = 3,
  ParentMenu = 4,
  ExecuteAndWait = 5,
};

enum class UnloadMode : int { CheckApps = 0, NoCheck = 1 };

enum class ScriptEvent : int {
  Click = 1,
  MouseMove = 2,
  BeforeExecute = 10,
  CommitExecute = 11,
  LoadedMenu = 20,
  UnloadMenu = 21,
};

}  // namespace pemo::menufile
