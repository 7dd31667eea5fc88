// Key strokes, key and scan codes, the kind of the focused control, and the combo-box
// helpers of the forms.
#include "kovan/kovan.h"
#include "platform/text/cp932.h"
#include "platform/text/strings.h"
#include "platform/ui/desktop_port.h"
#include "platform/ui/keyboard_layout.h"

namespace pemo::kovan {
namespace {

// Scan codes sent with the modifier keys; Alt goes with 40, not its own 56.
constexpr uint8_t kAltScanCode = 40;
constexpr uint8_t kCtrlScanCode = 29;
constexpr uint8_t kShiftScanCode = 42;

// The right-hand Windows key's virtual key, which maps to scan code 86.
constexpr int16_t kRightWindowsKey = 92;
constexpr uint8_t kRightWindowsKeyScanCode = 86;

struct Modifier {
  uint8_t virtualKey;
  uint8_t scanCode;
  bool held;
};

// The ANSI code of the text's first character, as a 16-bit value for a two-byte one.
int firstCharacterCode(const std::string& text) {
  const std::string bytes = text::utf8ToCp932(text::Left(text, 1));
  if (bytes.empty()) throw KovanError(kErrInvalidCall);
  if (bytes.size() == 1) return static_cast<unsigned char>(bytes[0]);
  return static_cast<unsigned char>(bytes[0]) << 8 | static_cast<unsigned char>(bytes[1]);
}

// The number's binary digits, left-padded with "0" to the given count.
std::string paddedBinary(KOVAN& kovan, int32_t value, long digits) {
  const std::string bits = kovan.ChangeDecToBin(Variant(value));
  return std::string(size_t(std::max(0L, digits - text::Len(bits))), '0') + bits;
}

}  // namespace

void KOVAN::KeyPush(const int16_t& KeyCode, const int16_t& Shift, const int16_t& Ctrl,
                    const int16_t& Alt) {
  ui::DesktopPort& desktop = ui::desktopPort();
  const Modifier modifiers[] = {{ui::kVkMenu, kAltScanCode, Alt != 0},
                                {ui::kVkControl, kCtrlScanCode, Ctrl != 0},
                                {ui::kVkShift, kShiftScanCode, Shift != 0}};
  for (const Modifier& modifier : modifiers)
    if (modifier.held) desktop.sendKey(modifier.virtualKey, modifier.scanCode, false);
  const uint8_t key = static_cast<uint8_t>(KeyCode & 0xFF);
  const uint8_t scan = GetKeyScanCode2(KeyCode);
  desktop.sendKey(key, scan, false);
  desktop.sendKey(key, scan, true);
  for (auto modifier = std::rbegin(modifiers); modifier != std::rend(modifiers); ++modifier)
    if (modifier->held) desktop.sendKey(modifier->virtualKey, modifier->scanCode, true);
}

uint8_t KOVAN::GetKeyScanCode2(const int16_t& KeyCode) {
  if (KeyCode == kRightWindowsKey) return kRightWindowsKeyScanCode;
  return ui::scanCodeOfVirtualKey(KeyCode);
}

// The key and shift state come out of the binary digits of the combined value, so a
// character without a key gives the key code 1 and no shift.
int16_t KOVAN::GetKeyScanCode(const String& uChar, int16_t& KeyCode, int16_t& Shift) {
  const int16_t key = ui::keyForCharacter(static_cast<unsigned char>(firstCharacterCode(uChar) & 0xFF));
  const std::string keyBits = paddedBinary(*this, key, 16);
  KeyCode = static_cast<int16_t>(ChangeBinToDec(text::Right(keyBits, 8)));
  Shift = static_cast<int16_t>(ChangeBinToDec(text::Left(keyBits, 8)));
  const std::string scanBits = paddedBinary(*this, ui::oemKeyScan(KeyCode), 32);
  return static_cast<int16_t>(ChangeBinToDec(text::Right(scanBits, 8)));
}

int32_t KOVAN::GetActiveControlType(const int32_t& hwnd) {
  return ui::desktopPort().controlKind(hwnd).value_or(ui::kOtherControl);
}

// Alt with the Down arrow opens the list of a focused combo box.
void KOVAN::GotFcsCMB(const int16_t& Index) {
  if (Index > 0) KeyPush(ui::kVkDown, 0, 0, 1);
}

void KOVAN::LostFcsCMB(const int16_t& Index) {
  if (Index < 0) return;
  if (!ui::desktopPort().controlKind(0)) throw KovanError(kErrInvalidCall);
}

void KOVAN::DropCMB(const int16_t&) {}

}  // namespace pemo::kovan
