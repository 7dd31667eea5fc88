#pragma once
// Block keywords, kind codes and property keys of the menu file, and the order in which
// the editor writes the keys of each block.
#include <optional>
#include <span>
#include <string_view>

#include "menufile/types.h"

namespace pemo::menufile {

// The block word of a kind: "MENU", "LABEL", ..., "COMBOBOX", "LINE"; "" for Multiple.
std::string_view blockWord(ObjectKind kind);
// The kind a block word (upper case, exact) names; nullopt for any other word, "SCRIPT"
// among them.
std::optional<ObjectKind> kindOfBlockWord(std::string_view upperWord);

inline constexpr std::string_view kScriptWord = "SCRIPT";
// The script section as the editor writes it (mixed case).
inline constexpr std::string_view kScriptBeginLine = "Begin Script";
inline constexpr std::string_view kScriptEndLine = "End Script";

// The object kinds in the order their blocks are written. Lines are never written.
inline constexpr ObjectKind kWrittenKinds[] = {
    ObjectKind::Label, ObjectKind::Button, ObjectKind::PictureButton, ObjectKind::Image,
    ObjectKind::Radio, ObjectKind::CheckBox, ObjectKind::Frame, ObjectKind::ComboBox};

enum class Key {
  Unknown,
  Caption, BackColor, UnloadMode, TilingImage, Area, Year,
  Index, Parent, Left, Top, Width, Height,
  ForeColor, FontName, FontSize, FontBold, FontItalic, FontUnderline,
  Link, Style, OnCursorColor, Picture, Stretch, Value,
  X1, Y1, X2, Y2, BorderWidth,
};

// The key's name as written ("CAPTION", ...); "" for Unknown.
std::string_view keyName(Key key);
// The key an upper-case name stands for; Unknown for any other name.
Key keyOfName(std::string_view upperName);

// Keys in the order the writer puts them. The object lists include PARENT where the
// kind may lie in a frame; the writer leaves that line out for an object on the page.
std::span<const Key> menuKeyOrder();
std::span<const Key> objectKeyOrder(ObjectKind kind);
// Whether a block of this kind has the key: the only keys its readers take.
bool isObjectKey(ObjectKind kind, Key key);

}  // namespace pemo::menufile
