#include "platform/btrieve/tests/btrieve_test_support.h"

#include <algorithm>

#include "platform/btrieve/le_bytes.h"

namespace pemo::btrieve::testing {
namespace {

// A key buffer holding a file's name: as long as the longest key, or the name and its NUL.
int nameBufferLength(const std::string& name) { return std::max<int>(kMaxKeyLength, int(name.size()) + 1); }

}  // namespace

LayoutBuilder::LayoutBuilder(uint16_t recordLength, uint16_t fileFlags) : bytes_(16, '\0') {
  writeLe16(bytes_, 0, recordLength);
  writeLe16(bytes_, 2, 4096);
  writeLe16(bytes_, 10, fileFlags);
}

void LayoutBuilder::addBlock(uint16_t position, uint16_t length, uint16_t flags, uint8_t type, uint8_t nullValue) {
  std::string block(16, '\0');
  writeLe16(block, 0, position);
  writeLe16(block, 2, length);
  writeLe16(block, 4, flags | kKeyExtendedType);
  block[10] = static_cast<char>(type);
  block[11] = static_cast<char>(nullValue);
  bytes_ += block;
}

LayoutBuilder& LayoutBuilder::key(uint16_t position, uint16_t length, uint16_t flags, uint8_t type, uint8_t nullValue) {
  writeLe16(bytes_, 4, static_cast<uint16_t>(readLe16(bytes_, 4) + 1));
  addBlock(position, length, flags, type, nullValue);
  return *this;
}

LayoutBuilder& LayoutBuilder::segment(uint16_t position, uint16_t length, uint16_t flags, uint8_t type) {
  size_t previousFlags = bytes_.size() - 16 + 4;
  writeLe16(bytes_, previousFlags, readLe16(bytes_, previousFlags) | kKeySegmented);
  addBlock(position, length, flags, type, 0);
  return *this;
}

int createFile(const std::string& path, const std::string& layout, int keyNumber) {
  char block[kPositionBlockSize] = {};
  std::string data = layout, name = path;
  uint16_t length = static_cast<uint16_t>(data.size());
  return BtrieveCall(kOpCreate, block, data.data(), &length, name.data(), nameBufferLength(name), keyNumber);
}

int EngineFile::open(const std::string& path, int mode) {
  std::string name = path, owner(100, '\0');
  uint16_t length = static_cast<uint16_t>(owner.size());
  int status = BtrieveCall(kOpOpen, block_.data(), owner.data(), &length, name.data(), nameBufferLength(name), mode);
  if (status != kStatusOk) return status;
  std::string statBlock;
  status = stat(statBlock);
  recordLength_ = readLe16(statBlock, 0);
  return status;
}

int EngineFile::close() { return BtrieveCall(kOpClose, block_.data(), nullptr, nullptr, nullptr, 0, 0); }

int EngineFile::insert(const std::string& record, int keyNumber) {
  std::string data = record, key(kMaxKeyLength, '\0');
  uint16_t length = static_cast<uint16_t>(data.size());
  return BtrieveCall(kOpInsert, block_.data(), data.data(), &length, key.data(), kMaxKeyLength, keyNumber);
}

int EngineFile::update(const std::string& record, int keyNumber) {
  std::string data = record, key(kMaxKeyLength, '\0');
  uint16_t length = static_cast<uint16_t>(data.size());
  return BtrieveCall(kOpUpdate, block_.data(), data.data(), &length, key.data(), kMaxKeyLength, keyNumber);
}

int EngineFile::remove() { return BtrieveCall(kOpDelete, block_.data(), nullptr, nullptr, nullptr, 0, 0); }

int EngineFile::get(int operation, std::string& key, int keyNumber, std::string& record) {
  key.resize(kMaxKeyLength, '\0');
  record.assign(recordLength_, '\0');
  uint16_t length = recordLength_;
  int status = BtrieveCall(operation, block_.data(), record.data(), &length, key.data(), kMaxKeyLength, keyNumber);
  record.resize(length);
  return status;
}

std::string EngineFile::found(int operation, std::string key, int keyNumber) {
  std::string record;
  int status = get(operation, key, keyNumber, record);
  return status == kStatusOk ? record : "status " + std::to_string(status);
}

int EngineFile::stat(std::string& block) {
  block.assign(408, '\0');
  std::string name(kMaxKeyLength, '\0');
  uint16_t length = static_cast<uint16_t>(block.size());
  int status = BtrieveCall(kOpStat, block_.data(), block.data(), &length, name.data(), kMaxKeyLength, 0);
  block.resize(length);
  return status;
}

std::string le32(int32_t value) {
  std::string bytes(4, '\0');
  writeLe32(bytes, 0, static_cast<uint32_t>(value));
  return bytes;
}

std::string padded(const std::string& text, size_t length) {
  std::string out = text;
  out.resize(length, ' ');
  return out;
}

}  // namespace pemo::btrieve::testing
