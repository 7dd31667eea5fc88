#include "support/hapsy/bt_handle_table.h"

#include <algorithm>

namespace pemo::hapsy {

bool HandleTable::hasFreeSlot() const {
  const std::lock_guard lock(mutex_);
  return !closedForGood_ && std::any_of(slots_.begin(), slots_.end(), [](const auto& slot) { return !slot; });
}

int HandleTable::add(std::unique_ptr<BtrieveFile> file) {
  const std::lock_guard lock(mutex_);
  if (closedForGood_) return -1;
  const auto free = std::find(slots_.begin(), slots_.end(), nullptr);
  if (free == slots_.end()) return -1;
  *free = std::move(file);
  return static_cast<int>(free - slots_.begin());
}

std::optional<int> HandleTable::withFile(int handle, const std::function<int(BtrieveFile&)>& work) {
  const std::lock_guard lock(mutex_);
  if (handle < 0 || handle >= kSlots || !slots_[handle]) return std::nullopt;
  return work(*slots_[handle]);
}

bool HandleTable::release(int handle) {
  const std::lock_guard lock(mutex_);
  if (handle < 0 || handle >= kSlots || !slots_[handle]) return false;
  slots_[handle].reset();
  return true;
}

void HandleTable::closeAll() {
  const std::lock_guard lock(mutex_);
  for (auto& slot : slots_) slot.reset();
}

void HandleTable::closeForGood() {
  const std::lock_guard lock(mutex_);
  closedForGood_ = true;
  for (auto& slot : slots_) slot.reset();
}

HandleTable& openFiles() {
  static HandleTable* const table = new HandleTable;
  // Made after the table, so it goes among the first of this library's objects when the
  // program ends: the files are closed cleanly while the rest still stands.
  static const struct CloseAtEnd {
    ~CloseAtEnd() { table->closeForGood(); }
  } closeAtEnd;
  return *table;
}

}  // namespace pemo::hapsy
