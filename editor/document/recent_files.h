#pragma once
// The editor's list of recently saved menu files: six slots, most recent first, stored
// as the values "1" to "6" of the Recent key under the editor's registry key.
#include <array>
#include <string>
#include <vector>

namespace pemo::editor {

inline constexpr int kRecentSlots = 6;
using RecentFiles = std::array<std::string, kRecentSlots>;

// Access to the Recent key.
class RecentKeyPort {
 public:
  virtual ~RecentKeyPort() = default;
  // Opens the key, creating it when missing; false when it cannot be opened.
  virtual bool open() = 0;
  // The data of the key's values in their order.
  virtual std::vector<std::string> values() = 0;
  virtual void setValue(const std::string& name, const std::string& text) = 0;
  virtual void close() = 0;
};

// Brings a path to the front of the list: an entry equal to it in upper case (the lowest
// such slot) moves to the front and takes the new letter case; otherwise the last entry
// drops off.
RecentFiles withPathInFront(RecentFiles slots, const std::string& path);

// The whole update after a save: reads the key into the slots (values beyond the sixth
// are left alone), puts the path in front and writes every used slot back in lower
// case. The slots are updated even when the key cannot be opened.
void recordRecentFile(RecentKeyPort* key, RecentFiles& slots, const std::string& path);

// What the main window's recent-file menu shows: reads the key's values into the slots
// (value i into slot i, at most six) and gives the items' captions ("&1 c:\menu\a.fil").
std::vector<std::string> reloadRecentFiles(RecentKeyPort* key, RecentFiles& slots);

}  // namespace pemo::editor
