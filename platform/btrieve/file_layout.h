#pragma once
// The file layout of a record file, as the engine's create operation takes it:
// a 16-byte file header and one 16-byte block per key segment.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pemo::btrieve {

constexpr int kLayoutBlockSize = 16;
constexpr int kMaxKeys = 119;

struct KeySegment {
  uint16_t position = 1;  // first byte in the record, counted from 1
  uint16_t length = 0;
  uint16_t flags = 0;
  uint8_t type = 0;       // the extended type, or derived from the binary flag
  uint8_t nullValue = 0;
  uint8_t manualKeyNumber = 0;
  uint8_t collation = 0;

  bool descending() const;
  bool caseInsensitive() const;
};

struct KeyDefinition {
  std::vector<KeySegment> segments;
  int length() const;  // the key value's bytes: all segments together
  bool duplicates() const;
  bool modifiable() const;
};

struct FileLayout {
  uint16_t recordLength = 0;
  uint16_t pageSize = 4096;
  uint16_t fileFlags = 0;
  std::vector<KeyDefinition> keys;

  int segmentCount() const;
  bool variableLength() const;
};

// Reads and checks a layout; returns a Status (0 when usable).
int parseFileLayout(std::string_view bytes, FileLayout& layout);

// Writes the layout as the stat operation returns it: the record count in the
// header, each key's count of distinct values in its segments' blocks.
std::string statBlock(const FileLayout& layout, uint32_t records, const std::vector<uint32_t>& uniqueValues);

}  // namespace pemo::btrieve
