// The record-file exports: handle-based ones over the table of open files, and
// one-shot ones that open, operate and close in one call.
#include "support/hapsy/bt_exports.h"

#include <exception>
#include <memory>
#include <new>

#include "platform/btrieve/btrieve.h"
#include "support/hapsy/bt_handle_table.h"
#include "support/hapsy/btrieve_file.h"
#include "support/hapsy/create_layout.h"

namespace {

using pemo::hapsy::BtrieveFile;
using pemo::hapsy::openFiles;

constexpr int kFailed = -1;
const char* const kNoWorkArea = "作業領域が確保できません";

// No exception may reach a C caller: an allocation failure is a failed call, with a box
// when `noMemoryPath` names the file being created.
template <typename Work>
int guarded(Work work, const char* noMemoryPath = nullptr) {
  try {
    return work();
  } catch (const std::bad_alloc&) {
    if (noMemoryPath) pemo::hapsy::showFileMessage(noMemoryPath, kNoWorkArea);
  } catch (const std::exception&) {
  }
  return kFailed;
}

int result(bool ok) { return ok ? 0 : kFailed; }

// Runs an operation on the open file of a handle; any handle not in use fails.
template <typename Operation>
int withHandle(int handle, Operation operation) {
  return openFiles()
      .withFile(handle, [&](BtrieveFile& file) { return guarded([&] { return operation(file); }); })
      .value_or(kFailed);
}

// Opens the file for one operation and closes it after.
template <typename Operation>
int withFileOnce(const char* path, int mode, Operation operation) {
  if (!path) return kFailed;
  return guarded([&] {
    BtrieveFile file(path);
    if (!file.open(mode)) return kFailed;
    return result(operation(file));
  });
}

}  // namespace

int BtFileOpen(const char* path, int mode) {
  if (!openFiles().hasFreeSlot() || !path) return kFailed;
  return guarded([&] {
    auto file = std::make_unique<BtrieveFile>(path);
    if (!file->open(mode)) return kFailed;
    return openFiles().add(std::move(file));
  });
}

int BtFileCreateOpen(const char* path, int mode, const char* layout, int layoutLength) {
  if (!openFiles().hasFreeSlot()) return kFailed;
  int handle = BtFileOpen(path, mode);
  if (handle != kFailed || !path || !layout || layoutLength <= 0) return handle;
  return guarded(
      [&] {
        BtrieveFile creator(path);
        if (!creator.create(std::string(layout, layoutLength))) return kFailed;
        return BtFileOpen(path, mode);
      },
      path);
}

int VBBtFileCreateOpen(const char* path, int recordLength, int mode, int keyDescriptionCount, int indexCount,
                       const char* keyDescriptions) {
  return guarded(
      [&] {
        auto layout =
            pemo::hapsy::buildCreateLayout(recordLength, keyDescriptionCount, indexCount, keyDescriptions);
        if (!layout) return kFailed;
        return BtFileCreateOpen(path, mode, layout->data(), static_cast<int>(layout->size()));
      },
      path);
}

int BtFileClose(int handle) {
  openFiles().release(handle);
  return 0;
}

int BtOCFileGet(int handle, char* record, const char* op) { return BtOCKFileGet(handle, record, op, nullptr, -1); }

int BtOCKFileGet(int handle, char* record, const char* op, char* key, int keyNumber) {
  if (!record || !op) return kFailed;
  return withHandle(handle, [&](BtrieveFile& file) { return result(file.get(record, op, key, keyNumber)); });
}

int BtOCFilePut(int handle, const char* record) {
  return BtOCKFilePut(handle, record, nullptr, BtrieveFile::kDefaultKeyNumber);
}

int BtOCKFilePut(int handle, const char* record, const char* key, int keyNumber) {
  if (!record) return kFailed;
  return withHandle(handle, [&](BtrieveFile& file) { return result(file.put(record, key, keyNumber)); });
}

int BtOCFileDel(int handle, const char* record) {
  if (!record) return kFailed;
  return withHandle(handle, [&](BtrieveFile& file) { return result(file.remove(record)); });
}

int BtOCRecTotalGet(int handle) {
  return withHandle(handle, [](BtrieveFile& file) { return file.recordCount(); });
}

int BtOCPbGet(int handle, char* destination) {
  if (!destination) return kFailed;
  return withHandle(handle, [&](BtrieveFile& file) {
    file.copyPositionBlock(destination);
    return 0;
  });
}

int BtStop(void) {
  guarded([] {
    openFiles().closeAll();
    return 0;
  });
  return pemo::btrieve::BtrieveCall(pemo::btrieve::kOpStop, nullptr, nullptr, nullptr, nullptr, 0, 0);
}

int BtFileGet(const char* path, char* record, const char* op) {
  if (!record || !op) return kFailed;
  return withFileOnce(path, BT_MODE_VERIFY, [&](BtrieveFile& file) { return file.get(record, op, nullptr, -1); });
}

int BtFilePut(const char* path, const char* record) {
  if (!record) return kFailed;
  return withFileOnce(path, BT_MODE_VERIFY, [&](BtrieveFile& file) {
    return file.put(record, nullptr, BtrieveFile::kDefaultKeyNumber);
  });
}

int BtFileDel(const char* path, const char* record) {
  if (!record) return kFailed;
  return withFileOnce(path, BT_MODE_VERIFY, [&](BtrieveFile& file) { return file.remove(record); });
}

int BtKFilePut(const char* path, const char* record, const char* key, int keyNumber) {
  if (!record) return kFailed;
  return withFileOnce(path, BT_MODE_NORMAL, [&](BtrieveFile& file) { return file.put(record, key, keyNumber); });
}

int BtKFileGet(const char* path, char* record, const char* op, char* key, int keyNumber) {
  if (!record || !op) return kFailed;
  return withFileOnce(path, BT_MODE_NORMAL, [&](BtrieveFile& file) { return file.get(record, op, key, keyNumber); });
}
