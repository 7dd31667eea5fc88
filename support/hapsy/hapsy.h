#pragma once
/* C exports of libhapsy: calculation into a fixed-width field, width conversion of a
   blank-padded buffer, the IME switch and the key exports. Every buffer is code page
   932 text ending in NUL, owned by the caller and changed in place. */
#include "support/common/c_export.h"

/* Evaluates the expression (text from "=" on, and quoted text, are left out), rounds it
   to `decimals` places (mode 1 down, 2 half away from zero, 3 up; others away from
   zero) and writes it as a right-aligned field (see formatNumberField): blanks, the
   integer digits, "." and the decimals. The field can be longer than the text (up to
   18 + decimals bytes with its NUL): the caller provides the room. Returns the buffer. */
PEMO_C_EXPORT char* StringVal(char* buffer, int decimals, int mode);
/* Half width to full width within the length of the padded text (its trailing blanks
   included). Returns 0, or -1 when the result and its NUL would not fit; the buffer
   then holds the text without its trailing blanks. */
PEMO_C_EXPORT int HanToZen(char* buffer);
/* Full width to half width; the rest of the text's length is filled with blanks after
   the result's NUL. Returns 0. */
PEMO_C_EXPORT int ZenToHan(char* buffer);

/* Input method switch: non-zero mode opens, 0 closes the input method of the window.
   Returns -1: there is no IME message library on this system. */
PEMO_C_EXPORT int IME_Switch(int mode, int window);
/* Accept a key code and do nothing. */
PEMO_C_EXPORT void KeyDown(int keyCode);
PEMO_C_EXPORT void KeyUp(int keyCode);

typedef char* (*HapsyStringVal)(char* buffer, int decimals, int mode);
typedef int (*HapsyWidthConversion)(char* buffer);
typedef int (*HapsyImeSwitch)(int mode, int window);
