#include "support/hapsy/btrieve_file.h"

#include <cstdio>
#include <cstring>

#include "platform/btrieve/le_bytes.h"
#include "platform/btrieve/sort_key.h"
#include "platform/fs/listing.h"
#include "platform/text/cp932.h"
#include "platform/ui/message_port.h"

namespace pemo::hapsy {
namespace {

using namespace pemo::btrieve;

// Key buffers hold the longest key and a NUL.
constexpr size_t kKeyBufferSize = kMaxKeyLength + 1;
constexpr size_t kOwnerNameSize = 100;
// Room for the layout of any file the engine accepts.
constexpr size_t kStatBufferSize = 0xFFFF;
constexpr int kStatRecordCount = 6;

const char* const kStopCaption = "Err Btrieve Stop";
const char* const kRecordLengthUnknown = "ﾚｺｰﾄﾞ長が不明です\n";
const char* const kRecordCountUnknown = "ﾚｺｰﾄﾞ数が不明です\n";
const char* const kCreateFailed = "ｸﾘｴｰﾄに失敗しました(%d)";

std::string formatted(const char* format, int a, int b = 0) {
  char text[64];
  std::snprintf(text, sizeof text, format, a, b);
  return text;
}

bool isGet(int operation) { return operation >= kOpGetEqual && operation <= kOpGetLast; }

}  // namespace

int operationForOperator(const char* text) {
  std::string_view op = text ? text : "";
  if (op.starts_with(">=")) return kOpGetGreaterOrEqual;
  if (op.starts_with("<=")) return kOpGetLessOrEqual;
  if (op.starts_with("+")) return kOpGetNext;
  if (op.starts_with("-")) return kOpGetPrevious;
  if (op.starts_with("<")) return kOpGetLess;
  if (op.starts_with("=")) return kOpGetEqual;
  if (op.starts_with("f")) return kOpGetFirst;
  if (op.starts_with("l")) return kOpGetLast;
  return kOpGetGreater;
}

BtrieveFile::BtrieveFile(std::string path) : path_(std::move(path)) {}

BtrieveFile::~BtrieveFile() { close(); }

int BtrieveFile::call(int operation, std::string& data, char* key, int keyNumber, int keyLength) {
  uint16_t length = static_cast<uint16_t>(data.size());
  lastOperation_ = operation;
  lastStatus_ = BtrieveCall(operation, positionBlock_.data(), data.data(), &length, key, keyLength, keyNumber);
  if (lastStatus_ != kStatusOk) reportFailure();
  return lastStatus_;
}

// Gets that find nothing are answers, not failures; a duplicate insert turns into an
// update. Every other failure is shown; a failed insert also as an engine stop.
void BtrieveFile::reportFailure() const {
  if (isGet(lastOperation_)) return;
  if (lastOperation_ == kOpInsert && lastStatus_ == kStatusDuplicateKey) return;
  std::string text = formatted("Err <OP:%d,ST:%d>", lastOperation_, lastStatus_);
  if (lastOperation_ == kOpInsert) ui::messages().show(text, ui::kOkOnly, kStopCaption);
  showFileMessage(path_, text);
}

void showFileMessage(const std::string& path, const std::string& text) {
  ui::messages().show(text, ui::kOkOnly, text::cp932ToUtf8(path));
}

int BtrieveFile::callWithFileName(int operation, std::string& data, int keyNumber) {
  std::string name = path_ + '\0';
  int nameLength = std::max<int>(kMaxKeyLength, static_cast<int>(name.size()));
  return call(operation, data, name.data(), keyNumber, nameLength);
}

int BtrieveFile::callStat(std::string& stat) {
  stat.assign(kStatBufferSize, '\0');
  char extensionName[kKeyBufferSize] = {};
  return call(kOpStat, stat, extensionName, 0);
}

bool BtrieveFile::open(int mode) {
  if (open_) return false;
  if (!fs::fileExists(text::cp932ToUtf8(path_)) && createMissingFile() != 0) return false;
  std::string owner(kOwnerNameSize, '\0');
  if (callWithFileName(kOpOpen, owner, mode) != kStatusOk) return false;
  open_ = true;

  std::string stat;
  if (callStat(stat) != kStatusOk || parseFileLayout(stat, layout_) != kStatusOk) {
    showFileMessage(path_, kRecordLengthUnknown);
    close();
    return false;
  }
  record_.assign(layout_.recordLength, '\0');
  return true;
}

void BtrieveFile::close() {
  if (!open_) return;
  std::string none;
  call(kOpClose, none, nullptr, 0);
  open_ = false;
}

bool BtrieveFile::create(const std::string& layout) {
  std::string bytes = layout;
  // Key number -1: an existing file is kept, never replaced.
  if (callWithFileName(kOpCreate, bytes, -1) == kStatusOk) return true;
  showFileMessage(path_, formatted(kCreateFailed, lastStatus_));
  return false;
}

void BtrieveFile::loadRecord(const char* record) {
  std::fill(record_.begin(), record_.end(), '\0');
  std::memcpy(record_.data(), record, record_.size());
}

std::string BtrieveFile::keyFromRecord(int keyNumber) const {
  std::string key(kKeyBufferSize, '\0');
  if (keyNumber >= 0 && keyNumber < static_cast<int>(layout_.keys.size()))
    key.replace(0, layout_.keys[keyNumber].length(), keyValueFromRecord(layout_.keys[keyNumber], record_));
  return key;
}

std::string BtrieveFile::keyFromCaller(const char* key, int keyNumber) const {
  std::string copy(kKeyBufferSize, '\0');
  if (keyNumber >= 0 && keyNumber < static_cast<int>(layout_.keys.size()))
    std::memcpy(copy.data(), key, layout_.keys[keyNumber].length());
  return copy;
}

bool BtrieveFile::get(char* record, const char* operatorText, char* key, int keyNumber) {
  if (!open_) return false;
  if (keyNumber == -1) keyNumber = kDefaultKeyNumber;
  loadRecord(record);
  std::string ownKey;
  if (!key) {
    ownKey = keyFromRecord(keyNumber);
    key = ownKey.data();
  }
  int status = call(operationForOperator(operatorText), record_, key, keyNumber);
  std::memcpy(record, record_.data(), record_.size());
  return status == kStatusOk;
}

bool BtrieveFile::put(const char* record, const char* key, int keyNumber) {
  if (!open_) return false;
  loadRecord(record);
  const std::string saved = record_;
  std::string insertedKey = keyFromRecord(keyNumber);
  int status = call(kOpInsert, record_, insertedKey.data(), keyNumber);
  if (status == kStatusDuplicateKey) {
    // The record with that key is read and overwritten. When the lookup finds nothing
    // (the duplicate is in another key), nothing else is overwritten either.
    std::string lookup = key ? keyFromCaller(key, keyNumber) : keyFromRecord(keyNumber);
    if (call(kOpGetEqual, record_, lookup.data(), keyNumber) != kStatusOk) return false;
    record_ = saved;
    std::string updatedKey = keyFromRecord(kDefaultKeyNumber);
    status = call(kOpUpdate, record_, updatedKey.data(), kDefaultKeyNumber);
  }
  return status == kStatusOk;
}

bool BtrieveFile::remove(const char* record) {
  if (!open_) return false;
  loadRecord(record);
  std::string key = keyFromRecord(kDefaultKeyNumber);
  // Only the record found by the key is deleted, never one reached before.
  if (call(kOpGetEqual, record_, key.data(), kDefaultKeyNumber) != kStatusOk) return false;
  return call(kOpDelete, record_, key.data(), kDefaultKeyNumber) == kStatusOk;
}

int BtrieveFile::recordCount() {
  if (!open_) return -1;
  std::string stat;
  if (callStat(stat) != kStatusOk) {
    showFileMessage(path_, kRecordCountUnknown);
    return -1;
  }
  return static_cast<int>(readLe32(stat, kStatRecordCount));
}

void BtrieveFile::copyPositionBlock(char* destination) const {
  std::memcpy(destination, positionBlock_.data(), positionBlock_.size());
}

}  // namespace pemo::hapsy
