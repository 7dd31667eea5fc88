#pragma once
// Little-endian fields inside byte blocks (file layouts, stat blocks, keys).
#include <cstdint>
#include <string>
#include <string_view>

namespace pemo::btrieve {

inline uint16_t readLe16(std::string_view bytes, size_t offset) {
  return static_cast<uint16_t>(static_cast<uint8_t>(bytes[offset]) |
                               static_cast<uint8_t>(bytes[offset + 1]) << 8);
}

inline uint32_t readLe32(std::string_view bytes, size_t offset) {
  return static_cast<uint32_t>(readLe16(bytes, offset)) | static_cast<uint32_t>(readLe16(bytes, offset + 2)) << 16;
}

inline void writeLe16(std::string& bytes, size_t offset, uint16_t value) {
  bytes[offset] = static_cast<char>(value & 0xFF);
  bytes[offset + 1] = static_cast<char>(value >> 8);
}

inline void writeLe32(std::string& bytes, size_t offset, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace pemo::btrieve
