#pragma once
// C exports of libhapsy: expression calculation with a fixed-width result, width
// conversion of a blank-padded buffer, the IME switch and the key exports.
// Buffers are code page 932 text owned by the caller and changed in place.
#include "support/common/c_export.h"

// Input method switch: non-zero mode opens, 0 closes the input method of the window.
// Returns -1: there is no IME message library on this system.
PEMO_C_EXPORT int IME_Switch(int mode, int window);
// Accept a key code and do nothing.
PEMO_C_EXPORT void KeyDown(int keyCode);
PEMO_C_EXPORT void KeyUp(int keyCode);
