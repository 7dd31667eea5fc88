#include "platform/ui/shown_text.h"

#include <algorithm>

namespace pemo::ui {

QString shownText(const QString& text) {
  if (text.size() <= kMostShownCharacters) return text;
  qsizetype end = kMostShownCharacters;
  if (text.at(end - 1).isHighSurrogate()) --end;  // never half a character
  return text.left(end) + QChar(0x2026);
}

QString shownText(std::string_view utf8) {
  // Four bytes hold any character: a longer text is cut before it is converted.
  const size_t most = static_cast<size_t>(kMostShownCharacters + 1) * 4;
  return shownText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(std::min(utf8.size(), most))));
}

}  // namespace pemo::ui
