#pragma once
// The keyboard as the library's key methods see it: Windows virtual-key numbers, the
// scan codes of a PC keyboard and the characters of the Japanese (106/109-key) layout.
#include <cstdint>
#include <optional>

namespace pemo::ui {

// Virtual keys named in code.
enum VirtualKey : uint8_t {
  kVkBack = 0x08,
  kVkTab = 0x09,
  kVkReturn = 0x0D,
  kVkShift = 0x10,
  kVkControl = 0x11,
  kVkMenu = 0x12,  // Alt
  kVkEscape = 0x1B,
  kVkSpace = 0x20,
  kVkLeft = 0x25,
  kVkUp = 0x26,
  kVkRight = 0x27,
  kVkDown = 0x28,
  kVkDelete = 0x2E,
};

// Shift states of keyForCharacter, as bits.
enum ShiftState : uint8_t { kShiftBit = 1, kCtrlBit = 2, kAltBit = 4 };

// The scan code a virtual key maps to; 0 for a key the keyboard does not have.
uint8_t scanCodeOfVirtualKey(int virtualKey);

// The key that types an ANSI character: virtual key in the low byte, shift state in the
// high byte; -1 when no key types it.
int16_t keyForCharacter(unsigned char character);

// The ANSI character a key types, with or without Shift; nullopt for keys that type none.
std::optional<char> characterOfKey(uint8_t virtualKey, bool shift);

// The scan code of an OEM character in the low word and the shift state in the high
// word; -1 when no key types it.
int32_t oemKeyScan(int character);

}  // namespace pemo::ui
