#include "platform/btrieve/sort_key.h"

#include <algorithm>

#include "platform/btrieve/btrieve.h"
#include "platform/text/cp932.h"

namespace pemo::btrieve {
namespace {

constexpr unsigned char kSignBit = 0x80;

// Little-endian numbers become big-endian, so the most significant byte leads.
std::string bigEndian(std::string_view littleEndian) { return std::string(littleEndian.rbegin(), littleEndian.rend()); }

std::string encodeInteger(std::string_view value) {
  std::string out = bigEndian(value);
  out[0] = static_cast<char>(static_cast<unsigned char>(out[0]) ^ kSignBit);
  return out;
}

std::string encodeFloat(std::string_view value) {
  std::string out = bigEndian(value);
  bool negative = static_cast<unsigned char>(out[0]) & kSignBit;
  bool zero = std::all_of(out.begin() + 1, out.end(), [](char c) { return c == 0; }) &&
              (static_cast<unsigned char>(out[0]) & ~kSignBit) == 0;
  if (zero) out[0] = 0;  // -0 and +0 are one value
  if (negative && !zero) {
    for (char& c : out) c = static_cast<char>(~c);
  } else {
    out[0] = static_cast<char>(static_cast<unsigned char>(out[0]) ^ kSignBit);
  }
  return out;
}

// A zero-terminated string compares up to its terminator.
std::string encodeZString(std::string_view value) {
  std::string out(value);
  size_t end = out.find('\0');
  if (end != std::string::npos) std::fill(out.begin() + end, out.end(), '\0');
  return out;
}

// Folds ASCII letters only, stepping over two-byte characters whose trail byte may
// look like a letter.
std::string foldCase(std::string bytes) {
  for (size_t i = 0; i < bytes.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (text::isLeadByte(c)) {
      ++i;
    } else if (c >= 'a' && c <= 'z') {
      bytes[i] = static_cast<char>(c - 'a' + 'A');
    }
  }
  return bytes;
}

std::string encodeSegment(const KeySegment& segment, std::string_view value) {
  std::string out;
  switch (segment.type) {
    case kTypeInteger: out = encodeInteger(value); break;
    case kTypeFloat: out = encodeFloat(value); break;
    case kTypeUnsignedBinary: out = bigEndian(value); break;
    case kTypeZString: out = encodeZString(value); break;
    default: out = std::string(value); break;
  }
  if (segment.caseInsensitive() && (segment.type == kTypeString || segment.type == kTypeZString))
    out = foldCase(std::move(out));
  if (segment.descending())
    for (char& c : out) c = static_cast<char>(~c);
  return out;
}

bool allBytesAre(std::string_view value, uint8_t byte) {
  return std::all_of(value.begin(), value.end(), [byte](char c) { return static_cast<uint8_t>(c) == byte; });
}

}  // namespace

std::string keyValueFromRecord(const KeyDefinition& key, std::string_view record) {
  std::string value;
  for (const KeySegment& segment : key.segments) value.append(record.substr(segment.position - 1, segment.length));
  return value;
}

std::string sortKey(const KeyDefinition& key, std::string_view keyValue) {
  std::string out;
  size_t offset = 0;
  for (const KeySegment& segment : key.segments) {
    out += encodeSegment(segment, keyValue.substr(offset, segment.length));
    offset += segment.length;
  }
  return out;
}

bool isNullKeyValue(const KeyDefinition& key, std::string_view keyValue) {
  uint16_t flags = key.segments.front().flags;
  if (!(flags & (kKeyNullAll | kKeyNullAny))) return false;
  bool allNull = true, anyNull = false;
  size_t offset = 0;
  for (const KeySegment& segment : key.segments) {
    bool isNull = allBytesAre(keyValue.substr(offset, segment.length), segment.nullValue);
    offset += segment.length;
    allNull = allNull && isNull;
    anyNull = anyNull || isNull;
  }
  return (flags & kKeyNullAny) ? anyNull : allNull;
}

}  // namespace pemo::btrieve
