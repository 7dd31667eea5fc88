// Placeholders for the file, window and number methods until their own files land;
// each raises "invalid procedure call" so a caller sees a clear run-time error.
#include "kovan/kovan.h"

namespace pemo::kovan {
namespace {

[[noreturn]] void notYetAvailable(const char* method) {
  throw KovanError(kErrInvalidCall, std::string(method) + ": " + errorText(kErrInvalidCall));
}

}  // namespace

// Windows, keyboard and controls.
void KOVAN::KeyPush(const int16_t&, const int16_t&, const int16_t&, const int16_t&) { notYetAvailable("KeyPush"); }
uint8_t KOVAN::GetKeyScanCode2(const int16_t&) { notYetAvailable("GetKeyScanCode2"); }
void KOVAN::DropCMB(const int16_t&) { notYetAvailable("DropCMB"); }
void KOVAN::MoveToCenter(const int32_t&) { notYetAvailable("MoveToCenter"); }
void KOVAN::GotFcsCMB(const int16_t&) { notYetAvailable("GotFcsCMB"); }
void KOVAN::LostFcsCMB(const int16_t&) { notYetAvailable("LostFcsCMB"); }
void KOVAN::MostTopZOrder(const int32_t&) { notYetAvailable("MostTopZOrder"); }
int16_t KOVAN::GetKeyScanCode(const String&, int16_t&, int16_t&) { notYetAvailable("GetKeyScanCode"); }
bool KOVAN::GetWindowPosition(const int32_t&, const String&, const String&, const bool&, const Variant&) { notYetAvailable("GetWindowPosition"); }
bool KOVAN::SetWindowPosition(const int32_t&, const String&, const String&) { notYetAvailable("SetWindowPosition"); }
int32_t KOVAN::GetActiveControlType(const int32_t&) { notYetAvailable("GetActiveControlType"); }

}  // namespace pemo::kovan
