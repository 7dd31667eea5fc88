#pragma once
// The process-wide table of open record files; a handle is a slot number.
#include <array>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

#include "support/hapsy/btrieve_file.h"

namespace pemo::hapsy {

// Every use of a slot, and every call on the file it holds, runs under one lock: a file
// is never closed while another thread's call is still using it.
class HandleTable {
 public:
  static constexpr int kSlots = 500;

  // Whether a slot is free for one more file.
  bool hasFreeSlot() const;
  // Puts the file into the first free slot and answers that slot; -1 (and the file
  // closed) when all are taken or the table was closed for good.
  int add(std::unique_ptr<BtrieveFile> file);
  // Runs work on the open file of a handle; nothing for any handle that is not in use.
  std::optional<int> withFile(int handle, const std::function<int(BtrieveFile&)>& work);
  // Closes and releases a handle; false when it was not in use.
  bool release(int handle);
  // Closes and releases every handle.
  void closeAll();
  // Closes every handle once the calls in progress are done; the table takes no file after.
  void closeForGood();

 private:
  mutable std::mutex mutex_;
  std::array<std::unique_ptr<BtrieveFile>, kSlots> slots_;
  bool closedForGood_ = false;
};

// The table of this process. It is never destroyed, as a call of another thread may still
// reach it while the program ends; its files are closed for good when the program ends.
HandleTable& openFiles();

}  // namespace pemo::hapsy
