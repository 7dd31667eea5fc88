#pragma once
// Helpers for driving the engine in tests: layouts and one open file.
#include <cstdint>
#include <string>

#include "platform/btrieve/btrieve.h"

namespace pemo::btrieve::testing {

// Builds a file layout block by block.
class LayoutBuilder {
 public:
  explicit LayoutBuilder(uint16_t recordLength, uint16_t fileFlags = 0);
  // One key of one segment; position counts from 1.
  LayoutBuilder& key(uint16_t position, uint16_t length, uint16_t flags, uint8_t type = kTypeString,
                   uint8_t nullValue = 0);
  // A segment that continues the key before it (segmented flag set on that one).
  LayoutBuilder& segment(uint16_t position, uint16_t length, uint16_t flags, uint8_t type = kTypeString);
  const std::string& bytes() const { return bytes_; }

 private:
  void addBlock(uint16_t position, uint16_t length, uint16_t flags, uint8_t type, uint8_t nullValue);
  std::string bytes_;
};

int createFile(const std::string& path, const std::string& layout, int keyNumber = -1);

// One open file through its position block.
class EngineFile {
 public:
  EngineFile() { block_.assign(kPositionBlockSize, '\0'); }
  int open(const std::string& path, int mode = kOpenNormal);
  int close();
  int insert(const std::string& record, int keyNumber = 0);
  int update(const std::string& record, int keyNumber = 0);
  int remove();
  // A get; `key` is the key value in and out, `record` receives the record.
  int get(int operation, std::string& key, int keyNumber, std::string& record);
  // Convenience: the record found by operation with this key value.
  std::string found(int operation, std::string key, int keyNumber = 0);
  int stat(std::string& block);
  std::string& block() { return block_; }

 private:
  std::string block_;
  uint16_t recordLength_ = 0;
};

// Little-endian integer bytes and padded strings for records.
std::string le32(int32_t value);
std::string padded(const std::string& text, size_t length);

}  // namespace pemo::btrieve::testing
