#pragma once
// The tree's font as the settings keep it and as Qt shows it. The stored name stays as
// written ("ＭＳ Ｐゴシック"); the tree shows the installed font it maps to.
#include <QFont>

#include "runtime/shell/view_settings.h"

namespace pemo::shell {

// The font with the stored parts applied; the parts left empty keep the font's own.
QFont appliedTreeFont(QFont font, const TreeFont& stored);
// The font as the settings store it, under `name`.
TreeFont storedTreeFont(const QFont& font, const std::string& name);

}  // namespace pemo::shell
