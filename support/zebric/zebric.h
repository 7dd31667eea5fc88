#pragma once
/* C exports of libzebric: calculation of expression texts and width conversion.
   Every buffer is code page 932 text ending in NUL, owned by the caller and changed
   in place. */
#include "support/common/c_export.h"

/* Evaluates the expression, rounds it to a multiple of 10^unitExponent (mode 1 cut,
   2 half up, any other up, all away from or toward zero alike) and writes it back with
   -unitExponent decimals (none for a unit of 1 or more). The result is cut to the
   length of the text passed in: pad the text with blanks to make room. An empty text
   is left as it is. */
PEMO_C_EXPORT void Keisan(char* buffer, int unitExponent, int mode);
/* As Keisan, but each additive term is rounded before the terms are added up. */
PEMO_C_EXPORT void Keisan2(char* buffer, int unitExponent, int mode);
/* Half width to full width in place; the result can be up to twice as long as the
   text, and the caller provides that room. */
PEMO_C_EXPORT void HalfToAll(char* buffer);
/* Full width to half width in place; the result is never longer. */
PEMO_C_EXPORT void AllToHalf(char* buffer);

typedef void (*ZebricCalculation)(char* buffer, int unitExponent, int mode);
typedef void (*ZebricWidthConversion)(char* buffer);
