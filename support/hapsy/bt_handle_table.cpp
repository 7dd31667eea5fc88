#include "support/hapsy/bt_handle_table.h"

namespace pemo::hapsy {

int HandleTable::freeSlot() const {
  for (int slot = 0; slot < kSlots; ++slot)
    if (!slots_[slot]) return slot;
  return -1;
}

void HandleTable::put(int handle, std::unique_ptr<BtrieveFile> file) { slots_[handle] = std::move(file); }

BtrieveFile* HandleTable::find(int handle) const {
  if (handle < 0 || handle >= kSlots) return nullptr;
  return slots_[handle].get();
}

bool HandleTable::release(int handle) {
  if (!find(handle)) return false;
  slots_[handle].reset();
  return true;
}

void HandleTable::closeAll() {
  for (auto& slot : slots_) slot.reset();
}

HandleTable& openFiles() {
  static HandleTable table;
  return table;
}

}  // namespace pemo::hapsy
