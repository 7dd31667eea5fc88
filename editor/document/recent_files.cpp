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

namespace {

// Reads the stored values into the slots; false when the key cannot be opened. The key
// stays open on success.
bool readStoredSlots(RecentKeyPort* key, RecentFiles& slots, std::vector<std::string>* stored) {
  if (!key || !key->open()) return false;
  std::vector<std::string> values = key->values();
  if (values.size() > slots.size()) values.resize(slots.size());
  for (size_t i = 0; i < values.size(); ++i) slots[i] = values[i];
  if (stored) *stored = std::move(values);
  return true;
}

}  // namespace

std::vector<std::string> reloadRecentFiles(RecentKeyPort* key, RecentFiles& slots) {
  std::vector<std::string> stored;
  if (!readStoredSlots(key, slots, &stored)) return {};
  key->close();
  std::vector<std::string> captions;
  for (size_t i = 0; i < stored.size(); ++i)
    captions.push_back("&" + std::to_string(i + 1) + " " + stored[i]);
  return captions;
}

void recordRecentFile(RecentKeyPort* key, RecentFiles& slots, const std::string& path) {
  bool opened = readStoredSlots(key, slots, nullptr);
  slots = withPathInFront(slots, path);
  if (!opened) return;
  for (int i = 0; i < kRecentSlots; ++i)
    if (!slots[i].empty()) key->setValue(std::to_string(i + 1), text::LCase(slots[i]));
  key->close();
}

}  // namespace pemo::editor
