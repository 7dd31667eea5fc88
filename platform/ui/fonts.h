#pragma once
// Stored font names stay as written; for display the Japanese system fonts they name
// map to an installed Japanese font.
#include <QFont>
#include <string>

#include "platform/ui/font.h"

namespace pemo::ui {

// The installed family that shows a stored font name ("ＭＳ Ｐゴシック" shows as IPA P
// Gothic); other names are used as they are.
QString displayFamily(const std::string& storedName);
QFont displayFont(const Font& font);

}  // namespace pemo::ui
