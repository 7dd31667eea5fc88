#pragma once
// Stored texts as a menu item, a list entry or a tooltip shows them. A text of any
// length can come from a file or another program's window; laid out whole on every
// paint, a very long one would stall the program, so only its start is shown.
#include <QString>
#include <string_view>

namespace pemo::ui {

// The most characters shown; a longer text ends in "…" after them.
inline constexpr int kMostShownCharacters = 256;

QString shownText(const QString& text);
QString shownText(std::string_view utf8);

}  // namespace pemo::ui
