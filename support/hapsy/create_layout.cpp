#include "support/hapsy/create_layout.h"

#include <cstdint>

#include "platform/btrieve/btrieve.h"
#include "platform/btrieve/file_layout.h"
#include "platform/btrieve/le_bytes.h"
#include "support/hapsy/key_description.h"

namespace pemo::hapsy {
namespace {

using namespace pemo::btrieve;

constexpr uint16_t kPageSize = 4096;
constexpr int kMaxLayoutBlocks = 0xFFFF / kLayoutBlockSize - 1;

// Fields of a key description and of a key block.
constexpr int kDescPosition = 0, kDescType = 4, kDescLength = 5, kDescKeepByte = 9, kDescDuplicates = 13,
              kDescSegmented = 17;
constexpr int kLayoutPageSize = 2, kLayoutIndexCount = 4, kKeyLength = 2, kKeyFlags = 4, kKeyType = 10,
              kKeyManualNumber = 14;
constexpr uint16_t kFlagsUnique = kKeyExtendedType | kKeyBinary | kKeyModifiable;

std::optional<uint8_t> extendedTypeFor(char letter) {
  switch (letter) {
    case 'S': return kTypeString;
    case 'I':
    case 'L': return kTypeInteger;
    case 'D': return kTypeFloat;
    default: return std::nullopt;
  }
}

}  // namespace

std::optional<std::string> buildCreateLayout(int recordLength, int keyDescriptionCount, int indexCount,
                                                    const char* keyDescriptions) {
  if (recordLength < 0 || recordLength > 0xFFFF || indexCount < 0 || indexCount > 0xFFFF ||
      keyDescriptionCount < 0 || keyDescriptionCount > kMaxLayoutBlocks ||
      (keyDescriptionCount > 0 && !keyDescriptions))
    return std::nullopt;
  std::string layout(kLayoutBlockSize * (1 + keyDescriptionCount), '\0');
  writeLe16(layout, 0, static_cast<uint16_t>(recordLength));
  writeLe16(layout, kLayoutPageSize, kPageSize);
  writeLe16(layout, kLayoutIndexCount, static_cast<uint16_t>(indexCount));
  for (int n = 0; n < keyDescriptionCount; ++n) {
    std::string_view description(keyDescriptions + n * BT_KEY_DESCRIPTION_SIZE, BT_KEY_DESCRIPTION_SIZE);
    size_t block = kLayoutBlockSize * (n + 1);
    uint16_t flags = kFlagsUnique;
    if (readLe32(description, kDescDuplicates) != 0) flags |= kKeyDuplicates;
    if (readLe32(description, kDescSegmented) != 0) flags |= kKeySegmented;
    writeLe16(layout, block, static_cast<uint16_t>(readLe32(description, kDescPosition)));
    writeLe16(layout, block + kKeyLength, static_cast<uint16_t>(readLe32(description, kDescLength)));
    writeLe16(layout, block + kKeyFlags, flags);
    if (auto type = extendedTypeFor(description[kDescType])) layout[block + kKeyType] = static_cast<char>(*type);
    layout[block + kKeyManualNumber] = description[kDescKeepByte];
  }
  return layout;
}

}  // namespace pemo::hapsy
