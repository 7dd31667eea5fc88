// The input method is switched through an IME message library that Linux systems do
// not have, so the switch answers as it does where that library is missing.
#include "support/hapsy/hapsy.h"

namespace {
constexpr int kImeLibraryMissing = -1;
}

int IME_Switch(int, int) { return kImeLibraryMissing; }

void KeyDown(int) {}

void KeyUp(int) {}
