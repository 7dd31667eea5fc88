#include "platform/ui/keyboard_layout.h"

#include <array>

namespace pemo::ui {
namespace {

struct KeyEntry {
  uint8_t virtualKey;
  uint8_t scanCode;
  char plain;    // typed without Shift, 0 for none
  char shifted;  // typed with Shift, 0 for none
};

// Keys of the Japanese layout whose virtual key differs from their character, and
// keys without characters. Letters and digits are worked out below.
constexpr KeyEntry kKeys[] = {
    {0x08, 0x0E, '\b', '\b'}, {0x09, 0x0F, '\t', '\t'}, {0x0D, 0x1C, '\r', '\r'},
    {0x10, 0x2A, 0, 0},       {0x11, 0x1D, 0, 0},       {0x12, 0x38, 0, 0},
    {0x13, 0x45, 0, 0},       {0x14, 0x3A, 0, 0},       {0x1B, 0x01, 0x1B, 0x1B},
    {0x20, 0x39, ' ', ' '},   {0x21, 0x49, 0, 0},       {0x22, 0x51, 0, 0},
    {0x23, 0x4F, 0, 0},       {0x24, 0x47, 0, 0},       {0x25, 0x4B, 0, 0},
    {0x26, 0x48, 0, 0},       {0x27, 0x4D, 0, 0},       {0x28, 0x50, 0, 0},
    {0x2C, 0x54, 0, 0},       {0x2D, 0x52, 0, 0},       {0x2E, 0x53, 0, 0},
    // Numeric keypad.
    {0x60, 0x52, '0', 0},     {0x61, 0x4F, '1', 0},     {0x62, 0x50, '2', 0},
    {0x63, 0x51, '3', 0},     {0x64, 0x4B, '4', 0},     {0x65, 0x4C, '5', 0},
    {0x66, 0x4D, '6', 0},     {0x67, 0x47, '7', 0},     {0x68, 0x48, '8', 0},
    {0x69, 0x49, '9', 0},     {0x6A, 0x37, '*', 0},     {0x6B, 0x4E, '+', 0},
    {0x6D, 0x4A, '-', 0},     {0x6E, 0x53, '.', 0},     {0x6F, 0x35, '/', 0},
    // Function keys F1 to F12.
    {0x70, 0x3B, 0, 0}, {0x71, 0x3C, 0, 0}, {0x72, 0x3D, 0, 0}, {0x73, 0x3E, 0, 0},
    {0x74, 0x3F, 0, 0}, {0x75, 0x40, 0, 0}, {0x76, 0x41, 0, 0}, {0x77, 0x42, 0, 0},
    {0x78, 0x43, 0, 0}, {0x79, 0x44, 0, 0}, {0x7A, 0x57, 0, 0}, {0x7B, 0x58, 0, 0},
    {0x90, 0x45, 0, 0},       {0x91, 0x46, 0, 0},
    // Punctuation of the Japanese layout.
    {0xBA, 0x28, ':', '*'},   {0xBB, 0x27, ';', '+'},   {0xBC, 0x33, ',', '<'},
    {0xBD, 0x0C, '-', '='},   {0xBE, 0x34, '.', '>'},   {0xBF, 0x35, '/', '?'},
    {0xC0, 0x1A, '@', '`'},   {0xDB, 0x1B, '[', '{'},   {0xDC, 0x7D, '\\', '|'},
    {0xDD, 0x2B, ']', '}'},   {0xDE, 0x0D, '^', '~'},   {0xE2, 0x73, '\\', '_'},
};

// Scan codes of the letter keys A to Z and the digit keys 0 to 9.
constexpr uint8_t kLetterScanCodes[26] = {0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17,
                                          0x24, 0x25, 0x26, 0x32, 0x31, 0x18, 0x19, 0x10, 0x13,
                                          0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C};
constexpr uint8_t kDigitScanCodes[10] = {0x0B, 0x02, 0x03, 0x04, 0x05,
                                         0x06, 0x07, 0x08, 0x09, 0x0A};
// The characters of Shift with the digit keys 0 to 9 on the Japanese layout.
constexpr char kShiftedDigits[10] = {0, '!', '"', '#', '$', '%', '&', '\'', '(', ')'};

std::optional<KeyEntry> entryOf(int virtualKey) {
  if (virtualKey >= 'A' && virtualKey <= 'Z') {
    const char lower = char(virtualKey - 'A' + 'a');
    return KeyEntry{uint8_t(virtualKey), kLetterScanCodes[virtualKey - 'A'], lower, char(virtualKey)};
  }
  if (virtualKey >= '0' && virtualKey <= '9')
    return KeyEntry{uint8_t(virtualKey), kDigitScanCodes[virtualKey - '0'], char(virtualKey),
                    kShiftedDigits[virtualKey - '0']};
  for (const KeyEntry& entry : kKeys)
    if (entry.virtualKey == virtualKey) return entry;
  return std::nullopt;
}

bool isKeypadKey(int virtualKey) { return virtualKey >= 0x60 && virtualKey <= 0x6F; }

}  // namespace

uint8_t scanCodeOfVirtualKey(int virtualKey) {
  const auto entry = entryOf(virtualKey);
  return entry ? entry->scanCode : 0;
}

int16_t keyForCharacter(unsigned char character) {
  // The main keys type a character before the keypad's do.
  for (int virtualKey = 1; virtualKey < 256; ++virtualKey) {
    const auto entry = isKeypadKey(virtualKey) ? std::nullopt : entryOf(virtualKey);
    if (!entry) continue;
    if (entry->plain == char(character)) return int16_t(virtualKey);
    if (entry->shifted == char(character)) return int16_t(kShiftBit << 8 | virtualKey);
  }
  // Control characters are Ctrl with a letter.
  if (character >= 1 && character <= 26) return int16_t(kCtrlBit << 8 | ('A' + character - 1));
  return -1;
}

std::optional<char> characterOfKey(uint8_t virtualKey, bool shift) {
  const auto entry = entryOf(virtualKey);
  if (!entry) return std::nullopt;
  const char c = shift ? entry->shifted : entry->plain;
  if (c == 0) return std::nullopt;
  return c;
}

int32_t oemKeyScan(int character) {
  if (character < 0 || character > 0x7F) return -1;
  const int16_t key = keyForCharacter(static_cast<unsigned char>(character));
  if (key == -1) return -1;
  const uint8_t scan = scanCodeOfVirtualKey(key & 0xFF);
  if (scan == 0) return -1;
  return int32_t(key >> 8 & 0xFF) << 16 | scan;
}

}  // namespace pemo::ui
