#include "platform/btrieve/file_layout.h"

#include "platform/btrieve/btrieve.h"
#include "platform/btrieve/le_bytes.h"

namespace pemo::btrieve {
namespace {

// Offsets inside the header and a key block.
constexpr int kHeaderRecordLength = 0, kHeaderPageSize = 2, kHeaderIndexCount = 4, kHeaderRecords = 6,
              kHeaderFileFlags = 10;
constexpr int kKeyPosition = 0, kKeyLength = 2, kKeyFlags = 4, kKeyUniqueValues = 6, kKeyType = 10,
              kKeyNullValue = 11, kKeyManualNumber = 14, kKeyCollation = 15;

// Lengths that the number types accept.
bool typeAcceptsLength(uint8_t type, int length) {
  switch (type) {
    case kTypeInteger: return length == 1 || length == 2 || length == 4 || length == 8;
    case kTypeFloat: return length == 4 || length == 8;
    case kTypeString:
    case kTypeZString:
    case kTypeUnsignedBinary: return true;
    default: return false;
  }
}

int readSegment(std::string_view block, const FileLayout& layout, KeySegment& segment) {
  segment.position = readLe16(block, kKeyPosition);
  segment.length = readLe16(block, kKeyLength);
  segment.flags = readLe16(block, kKeyFlags);
  segment.nullValue = static_cast<uint8_t>(block[kKeyNullValue]);
  segment.manualKeyNumber = static_cast<uint8_t>(block[kKeyManualNumber]);
  segment.collation = static_cast<uint8_t>(block[kKeyCollation]);
  if (segment.flags & kKeyExtendedType)
    segment.type = static_cast<uint8_t>(block[kKeyType]);
  else
    segment.type = (segment.flags & kKeyBinary) ? kTypeUnsignedBinary : kTypeString;

  if (segment.flags & kKeyAlternateCollation) return kStatusInvalidKeyFlags;
  if (segment.length == 0 || segment.length > kMaxKeyLength) return kStatusKeyLengthError;
  if (!typeAcceptsLength(segment.type, segment.length)) return kStatusKeyLengthError;
  if (segment.position == 0 || segment.position + segment.length - 1 > layout.recordLength)
    return kStatusKeyPositionError;
  return kStatusOk;
}

}  // namespace

bool KeySegment::descending() const { return flags & kKeyDescending; }
bool KeySegment::caseInsensitive() const { return flags & kKeyCaseInsensitive; }

int KeyDefinition::length() const {
  int total = 0;
  for (const KeySegment& segment : segments) total += segment.length;
  return total;
}

bool KeyDefinition::duplicates() const { return segments.front().flags & kKeyDuplicates; }
bool KeyDefinition::modifiable() const { return segments.front().flags & kKeyModifiable; }

int FileLayout::segmentCount() const {
  int count = 0;
  for (const KeyDefinition& key : keys) count += static_cast<int>(key.segments.size());
  return count;
}

bool FileLayout::variableLength() const { return fileFlags & kFileVariableLength; }

int parseFileLayout(std::string_view bytes, FileLayout& layout) {
  layout = FileLayout();
  if (bytes.size() < kLayoutBlockSize) return kStatusDataBufferTooShort;
  layout.recordLength = readLe16(bytes, kHeaderRecordLength);
  layout.pageSize = readLe16(bytes, kHeaderPageSize);
  layout.fileFlags = readLe16(bytes, kHeaderFileFlags);
  int keyCount = readLe16(bytes, kHeaderIndexCount);
  if (layout.recordLength == 0) return kStatusRecordLengthError;
  if (layout.pageSize < 512 || layout.pageSize > 16384 || layout.pageSize % 512 != 0) return kStatusPageSizeError;
  if (keyCount > kMaxKeys) return kStatusNumberOfKeysError;

  size_t offset = kLayoutBlockSize;
  for (int k = 0; k < keyCount; ++k) {
    KeyDefinition key;
    bool more = true;
    while (more) {
      if (offset + kLayoutBlockSize > bytes.size()) return kStatusDataBufferTooShort;
      KeySegment segment;
      int status = readSegment(bytes.substr(offset, kLayoutBlockSize), layout, segment);
      if (status != kStatusOk) return status;
      offset += kLayoutBlockSize;
      more = segment.flags & kKeySegmented;
      key.segments.push_back(segment);
    }
    // The segments of one key share one rule on duplicates and changes.
    constexpr uint16_t kKeyWide = kKeyDuplicates | kKeyModifiable;
    for (const KeySegment& segment : key.segments)
      if ((segment.flags & kKeyWide) != (key.segments.front().flags & kKeyWide)) return kStatusInvalidKeyFlags;
    if (key.length() > kMaxKeyLength) return kStatusKeyLengthError;
    layout.keys.push_back(std::move(key));
  }
  return kStatusOk;
}

std::string statBlock(const FileLayout& layout, uint32_t records, const std::vector<uint32_t>& uniqueValues) {
  std::string out(kLayoutBlockSize * (1 + layout.segmentCount()), '\0');
  writeLe16(out, kHeaderRecordLength, layout.recordLength);
  writeLe16(out, kHeaderPageSize, layout.pageSize);
  writeLe16(out, kHeaderIndexCount, static_cast<uint16_t>(layout.keys.size()));
  writeLe32(out, kHeaderRecords, records);
  writeLe16(out, kHeaderFileFlags, layout.fileFlags);
  size_t offset = kLayoutBlockSize;
  for (size_t k = 0; k < layout.keys.size(); ++k) {
    for (const KeySegment& segment : layout.keys[k].segments) {
      writeLe16(out, offset + kKeyPosition, segment.position);
      writeLe16(out, offset + kKeyLength, segment.length);
      writeLe16(out, offset + kKeyFlags, segment.flags);
      writeLe32(out, offset + kKeyUniqueValues, k < uniqueValues.size() ? uniqueValues[k] : 0);
      out[offset + kKeyType] = (segment.flags & kKeyExtendedType) ? static_cast<char>(segment.type) : 0;
      out[offset + kKeyNullValue] = static_cast<char>(segment.nullValue);
      out[offset + kKeyManualNumber] = static_cast<char>(segment.manualKeyNumber);
      out[offset + kKeyCollation] = static_cast<char>(segment.collation);
      offset += kLayoutBlockSize;
    }
  }
  return out;
}

}  // namespace pemo::btrieve
