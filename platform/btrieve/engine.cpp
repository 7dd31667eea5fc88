// The engine's call entry: the table of open files behind the position blocks, each
// open file's current record and place in a key's order, and the operations.
#include <cstring>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/btrieve/btrieve.h"
#include "platform/btrieve/le_bytes.h"
#include "platform/btrieve/record_file.h"
#include "platform/btrieve/record_file_name.h"
#include "platform/btrieve/sort_key.h"

namespace pemo::btrieve {
namespace {

// A position block names its open file by slot and generation, so a block that was
// closed, or was never opened, is recognised instead of reaching another file.
constexpr char kBlockMagic[4] = {'P', 'B', 'T', 'R'};
constexpr int kBlockSlot = 4, kBlockGeneration = 8;
constexpr int kLockBiasStep = 100, kKeyOnlyBias = 50;

struct Currency {
  int64_t recordId = 0;      // the current record; 0 when there is none
  std::string recordImage;   // that record as last read or written here
  int placeKey = -1;         // the key whose order next and previous follow; -1: none
  KeyEntry place;            // where in that order; stays after a delete
};

struct OpenFile {
  std::string path;
  std::unique_ptr<RecordFile> file;
  Currency currency;
};

struct Request {
  int operation;
  void* positionBlock;
  char* data;
  uint16_t* dataLength;
  char* key;
  int keyLength;
  int keyNumber;
  bool keyOnly;
};

class Engine {
 public:
  int call(Request& request);

 private:
  struct Slot {
    std::unique_ptr<OpenFile> open;
    uint32_t generation = 0;
  };

  OpenFile* fileFor(const void* positionBlock);
  bool isOpenAnywhere(const std::string& path) const;

  int open(Request& request);
  int close(Request& request);
  int create(Request& request);
  int stop();
  int insert(OpenFile& open, Request& request);
  int update(OpenFile& open, Request& request);
  int remove(OpenFile& open);
  int get(OpenFile& open, Request& request);
  int stat(OpenFile& open, Request& request);

  std::mutex mutex_;
  std::vector<Slot> slots_;
};

std::string_view blockBytes(const void* positionBlock) {
  return std::string_view(static_cast<const char*>(positionBlock), kPositionBlockSize);
}

void writeBlock(void* positionBlock, uint32_t slot, uint32_t generation) {
  std::string block(kPositionBlockSize, '\0');
  std::memcpy(block.data(), kBlockMagic, sizeof kBlockMagic);
  writeLe32(block, kBlockSlot, slot);
  writeLe32(block, kBlockGeneration, generation);
  std::memcpy(positionBlock, block.data(), kPositionBlockSize);
}

// The record in the data buffer: the fixed length, or all of it in a variable file.
int recordFromRequest(const Request& request, const FileLayout& layout, std::string& record) {
  if (!request.data || !request.dataLength || *request.dataLength < layout.recordLength)
    return kStatusDataBufferTooShort;
  record.assign(request.data, layout.variableLength() ? *request.dataLength : layout.recordLength);
  return kStatusOk;
}

// Hands a record back; a short buffer gets what fits and status 22.
int returnRecord(const Request& request, const std::string& record) {
  if (!request.data || !request.dataLength) return kStatusDataBufferTooShort;
  size_t fits = std::min<size_t>(record.size(), *request.dataLength);
  std::memcpy(request.data, record.data(), fits);
  *request.dataLength = static_cast<uint16_t>(fits);
  return fits < record.size() ? kStatusDataBufferTooShort : kStatusOk;
}

bool keyBufferHolds(const Request& request, const KeyDefinition& key) {
  return request.key && request.keyLength >= key.length();
}

void returnKey(const Request& request, const KeyDefinition& key, const std::string& record) {
  if (!keyBufferHolds(request, key)) return;
  std::string value = keyValueFromRecord(key, record);
  std::memcpy(request.key, value.data(), value.size());
}

bool validKeyNumber(const FileLayout& layout, int keyNumber) {
  return keyNumber >= 0 && keyNumber < static_cast<int>(layout.keys.size());
}

// After an insert or update the place follows the written record in the order of
// the request's key, and the key buffer gets the record's value of that key.
void placeOnWritten(OpenFile& open, const Request& request, int64_t recordId, const std::string& record) {
  Currency& currency = open.currency;
  currency.recordId = recordId;
  currency.recordImage = record;
  currency.placeKey = -1;
  const FileLayout& layout = open.file->layout();
  if (!validKeyNumber(layout, request.keyNumber)) return;
  if (std::optional<KeyEntry> entry = open.file->entryOf(request.keyNumber, recordId)) {
    currency.placeKey = request.keyNumber;
    currency.place = *entry;
  }
  returnKey(request, layout.keys[request.keyNumber], record);
}

// An insert or update names a key for the new place; its buffer must hold that key.
int checkChangeKey(const OpenFile& open, const Request& request) {
  const FileLayout& layout = open.file->layout();
  if (layout.keys.empty() && request.keyNumber == 0) return kStatusOk;
  if (!validKeyNumber(layout, request.keyNumber)) return kStatusInvalidKeyNumber;
  if (request.key && request.keyLength < layout.keys[request.keyNumber].length()) return kStatusKeyBufferTooShort;
  return kStatusOk;
}

// The record an insert or update writes, once the request is sound.
int recordToWrite(const OpenFile& open, const Request& request, std::string& record) {
  int status = recordFromRequest(request, open.file->layout(), record);
  return status == kStatusOk ? checkChangeKey(open, request) : status;
}

int Engine::call(Request& request) {
  std::lock_guard<std::mutex> lock(mutex_);
  switch (request.operation) {
    case kOpOpen: return open(request);
    case kOpCreate: return create(request);
    case kOpStop: return stop();
    case kOpClose: return close(request);
    default: break;
  }
  OpenFile* open = fileFor(request.positionBlock);
  if (!open) return kStatusFileNotOpen;
  switch (request.operation) {
    case kOpInsert: return insert(*open, request);
    case kOpUpdate: return update(*open, request);
    case kOpDelete: return remove(*open);
    case kOpStat: return stat(*open, request);
    default:
      if (request.operation >= kOpGetEqual && request.operation <= kOpGetLast) return get(*open, request);
      return kStatusInvalidOperation;
  }
}

OpenFile* Engine::fileFor(const void* positionBlock) {
  if (!positionBlock) return nullptr;
  std::string_view block = blockBytes(positionBlock);
  if (!block.starts_with(std::string_view(kBlockMagic, sizeof kBlockMagic))) return nullptr;
  uint32_t slot = readLe32(block, kBlockSlot);
  if (slot >= slots_.size() || slots_[slot].generation != readLe32(block, kBlockGeneration)) return nullptr;
  return slots_[slot].open.get();
}

bool Engine::isOpenAnywhere(const std::string& path) const {
  for (const Slot& slot : slots_) {
    std::error_code error;
    if (slot.open && std::filesystem::equivalent(slot.open->path, path, error)) return true;
  }
  return false;
}

int Engine::open(Request& request) {
  if (!request.positionBlock) return kStatusFileNotOpen;
  std::optional<std::string> path = hostPathFromKeyBuffer(request.key, request.keyLength);
  if (!path) return kStatusInvalidFileName;
  auto open = std::make_unique<OpenFile>();
  open->path = *path;
  int status = RecordFile::open(*path, request.keyNumber, open->file);
  if (status != kStatusOk) return status;
  size_t slot = 0;
  while (slot < slots_.size() && slots_[slot].open) ++slot;
  if (slot == slots_.size()) slots_.emplace_back();
  slots_[slot].open = std::move(open);
  ++slots_[slot].generation;
  writeBlock(request.positionBlock, static_cast<uint32_t>(slot), slots_[slot].generation);
  return kStatusOk;
}

int Engine::close(Request& request) {
  if (!fileFor(request.positionBlock)) return kStatusFileNotOpen;
  uint32_t slot = readLe32(blockBytes(request.positionBlock), kBlockSlot);
  slots_[slot].open.reset();
  std::memset(request.positionBlock, 0, kPositionBlockSize);
  return kStatusOk;
}

int Engine::create(Request& request) {
  std::optional<std::string> path = hostPathFromKeyBuffer(request.key, request.keyLength);
  if (!path) return kStatusInvalidFileName;
  if (!request.data || !request.dataLength) return kStatusDataBufferTooShort;
  // Key number -1 keeps an existing file; any other replaces it, unless it is in use.
  bool replace = request.keyNumber != -1;
  if (replace && isOpenAnywhere(*path)) return kStatusFileInUse;
  return RecordFile::create(*path, std::string(request.data, *request.dataLength), replace);
}

// Slots keep their generations, so blocks from before the stop stay dead.
int Engine::stop() {
  for (Slot& slot : slots_) slot.open.reset();
  return kStatusOk;
}

int Engine::insert(OpenFile& open, Request& request) {
  std::string record;
  int status = recordToWrite(open, request, record);
  if (status != kStatusOk) return status;
  int64_t recordId = 0;
  status = open.file->insert(record, recordId);
  if (status != kStatusOk) return status;
  placeOnWritten(open, request, recordId, record);
  return kStatusOk;
}

// Updates the current record, however it was reached.
int Engine::update(OpenFile& open, Request& request) {
  if (!open.currency.recordId) return kStatusNoCurrentRecord;
  std::string record;
  int status = recordToWrite(open, request, record);
  if (status != kStatusOk) return status;
  status = open.file->update(open.currency.recordId, open.currency.recordImage, record);
  if (status != kStatusOk) return status;
  placeOnWritten(open, request, open.currency.recordId, record);
  return kStatusOk;
}

// Deletes the current record; next and previous go on from where it was.
int Engine::remove(OpenFile& open) {
  if (!open.currency.recordId) return kStatusNoCurrentRecord;
  int status = open.file->remove(open.currency.recordId, open.currency.recordImage);
  if (status != kStatusOk) return status;
  open.currency.recordId = 0;
  open.currency.recordImage.clear();
  return kStatusOk;
}

int Engine::get(OpenFile& open, Request& request) {
  const FileLayout& layout = open.file->layout();
  if (!validKeyNumber(layout, request.keyNumber)) return kStatusInvalidKeyNumber;
  const KeyDefinition& key = layout.keys[request.keyNumber];
  if (!keyBufferHolds(request, key)) return kStatusKeyBufferTooShort;
  Currency& currency = open.currency;

  KeyEntry from;
  Seek seek = Seek::kFirst;
  switch (request.operation) {
    case kOpGetNext:
    case kOpGetPrevious:
      if (currency.placeKey != request.keyNumber) {
        // Moving to another key's order starts from the current record's place in it.
        std::optional<KeyEntry> entry;
        if (currency.recordId) entry = open.file->entryOf(request.keyNumber, currency.recordId);
        if (!entry) return currency.placeKey < 0 ? kStatusNoCurrentRecord : kStatusDifferentKeyNumber;
        currency.placeKey = request.keyNumber;
        currency.place = *entry;
      }
      from = currency.place;
      seek = request.operation == kOpGetNext ? Seek::kAfter : Seek::kBefore;
      break;
    case kOpGetFirst: seek = Seek::kFirst; break;
    case kOpGetLast: seek = Seek::kLast; break;
    default:
      from.sortKey = sortKey(key, std::string_view(request.key, key.length()));
      seek = request.operation == kOpGetEqual            ? Seek::kEqual
             : request.operation == kOpGetGreater        ? Seek::kGreater
             : request.operation == kOpGetGreaterOrEqual ? Seek::kGreaterOrEqual
             : request.operation == kOpGetLess           ? Seek::kLess
                                                         : Seek::kEqual;
      break;
  }

  KeyEntry found;
  std::string record;
  int status = open.file->find(request.keyNumber, seek, from, found, record);
  // Less or equal: the first of the equal keys, else the nearest smaller one.
  if (request.operation == kOpGetLessOrEqual && status == kStatusKeyNotFound)
    status = open.file->find(request.keyNumber, Seek::kLess, from, found, record);
  if (status != kStatusOk) return status;

  currency.recordId = found.recordId;
  currency.recordImage = record;
  currency.placeKey = request.keyNumber;
  currency.place = found;
  returnKey(request, key, record);
  return request.keyOnly ? kStatusOk : returnRecord(request, record);
}

int Engine::stat(OpenFile& open, Request& request) {
  uint32_t records = 0;
  std::vector<uint32_t> uniqueValues;
  int status = open.file->stat(records, uniqueValues);
  if (status != kStatusOk) return status;
  std::string block = statBlock(open.file->layout(), records, uniqueValues);
  if (!request.data || !request.dataLength || *request.dataLength < block.size()) return kStatusDataBufferTooShort;
  std::memcpy(request.data, block.data(), block.size());
  *request.dataLength = static_cast<uint16_t>(block.size());
  // No extension files: the name buffer that stat fills stays empty.
  if (request.key && request.keyLength > 0) request.key[0] = '\0';
  return kStatusOk;
}

// Never destroyed: the tables of open files that callers keep close their files through
// it while the program ends, after the function-local objects made later are gone.
Engine& engine() {
  static Engine* const instance = new Engine;
  return *instance;
}

}  // namespace

int BtrieveCall(int operation, void* positionBlock, void* data, uint16_t* dataLength, void* key, int keyLength,
                int keyNumber) {
  // Lock requests ride on the operation code in steps of 100; every change here is
  // its own committed transaction, so they need nothing more.
  int code = operation % kLockBiasStep;
  bool keyOnly = code >= kKeyOnlyBias + kOpGetEqual && code <= kKeyOnlyBias + kOpGetLast;
  if (keyOnly) code -= kKeyOnlyBias;
  if (operation < 0) return kStatusInvalidOperation;
  Request request{code,      positionBlock, static_cast<char*>(data), dataLength, static_cast<char*>(key),
                  keyLength, keyNumber,     keyOnly};
  return engine().call(request);
}

}  // namespace pemo::btrieve
