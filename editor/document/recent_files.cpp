#include "editor/document/recent_files.h"

#include "platform/text/strings.h"

namespace pemo::editor {

RecentFiles withPathInFront(RecentFiles slots, const std::string& path) {
  std::string wanted = text::UCase(path);
  int match = -1;
  for (int i = kRecentSlots - 1; i >= 0; --i)
    if (text::UCase(slots[i]) == wanted) match = i;
  int from = match < 0 ? kRecentSlots - 1 : match;
  for (int i = from; i > 0; --i) slots[i] = slots[i - 1];
  slots[0] = path;
  return slots;
}

void recordRecentFile(RecentKeyPort* key, RecentFiles& slots, const std::string& path) {
  bool opened = key && key->open();
  if (opened) {
    std::vector<std::string> stored = key->values();
    for (size_t i = 0; i < stored.size() && i < slots.size(); ++i) slots[i] = stored[i];
  }
  slots = withPathInFront(slots, path);
  if (!opened) return;
  for (int i = 0; i < kRecentSlots; ++i)
    if (!slots[i].empty()) key->setValue(std::to_string(i + 1), text::LCase(slots[i]));
  key->close();
}

}  // namespace pemo::editor
