#pragma once
// The process-wide table of open record files; a handle is a slot number.
#include <array>
#include <memory>

#include "support/hapsy/btrieve_file.h"

namespace pemo::hapsy {

class HandleTable {
 public:
  static constexpr int kSlots = 500;

  // The first free slot, or -1 when all are taken.
  int freeSlot() const;
  void put(int handle, std::unique_ptr<BtrieveFile> file);
  // The open file of a handle; nullptr for any handle that is not in use.
  BtrieveFile* find(int handle) const;
  // Closes and releases a handle; false when it was not in use.
  bool release(int handle);
  // Closes and releases every handle.
  void closeAll();

 private:
  std::array<std::unique_ptr<BtrieveFile>, kSlots> slots_;
};

HandleTable& openFiles();

}  // namespace pemo::hapsy
