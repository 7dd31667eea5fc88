/* Loads libhapsy as its C callers do and checks its calculation, width and IME exports. */
#include "support/common/tests/c_check.h"
#include "support/hapsy/hapsy.h"

static HapsyStringVal stringVal;
static HapsyWidthConversion hanToZen, zenToHan;

static void check_string_val(const char* input, int decimals, int mode, const char* expected) {
  char buffer[256];
  snprintf(buffer, sizeof buffer, "%s", input);
  check_text(input, stringVal(buffer, decimals, mode), expected);
}

static void check_calculation(void) {
  check_string_val("123.456", 2, 2, "    123.46");
  check_string_val("100", 0, 2, "   100");
  check_string_val("-123.456   ", 2, 2, "   -123.46");
  check_string_val("0.5", 2, 1, "   0.50");
  /* cut goes down and up goes up for negative values too */
  check_string_val("-1.234", 2, 1, "   -1.24");
  check_string_val("-1.239", 2, 3, "   -1.23");
  /* "×", quoted text and the text from "=" on do not count */
  check_string_val("3\x81\x7e\"x\"4=99", 0, 1, "    12");
  /* just below a whole number, cutting stays below it */
  check_string_val("2.9995", 2, 1, "    2.99");
  check_string_val("7%0", 0, 1, "   0");
  check_string_val("10^400", 0, 1, "   0");
  check_string_val("123456789012", 0, 1, "    123456789012");
  check_string_val("1234567890123", 0, 1, "");
}

static void check_width_round_trip(void) {
  /* ｶﾞﾊﾟｳﾞ with room -> がぱヴ -> ｶﾞﾊﾟｳﾞ */
  char buffer[32] = "\xb6\xde\xca\xdf\xb3\xde       ";
  check_int("HanToZen voiced", hanToZen(buffer), 0);
  check_text("HanToZen voiced", buffer, "\x82\xaa\x82\xcf\x83\x94");
  check_int("ZenToHan voiced", zenToHan(buffer), 0);
  check_text("ZenToHan voiced", buffer, "\xb6\xde\xca\xdf\xb3\xde");

  char fits[16] = "ABC    ";
  check_int("ABC with four blanks", hanToZen(fits), 0);
  check_text("ABC with four blanks", fits, "\x82\x60\x82\x61\x82\x62");
  char tight[16] = "ABC   ";
  check_int("ABC with three blanks", hanToZen(tight), -1);
  check_text("ABC with three blanks", tight, "ABC");

  char full[16] = "\x82\x60\x82\x61\x82\x62";
  check_int("ZenToHan", zenToHan(full), 0);
  check_untouched("ZenToHan pads", full, "ABC\0  \0", 7);
}

static void check_end_of_text(void) {
  /* a lone lead byte or a tab before the NUL ends there */
  char lead[8] = {'A', '\x82', '\0', 'X', 'Y', '\0'};
  zenToHan(lead);
  check_untouched("ZenToHan lone lead byte", lead, "A\x82\0XY", 5);
  check_int("HanToZen lone lead byte", hanToZen(lead), -1);
  check_untouched("HanToZen lone lead byte", lead, "A\x82\0XY", 5);

  char tab[12] = {'A', '\t', ' ', ' ', ' ', '\0', 'X', 'Y', '\0'};
  check_int("HanToZen tab", hanToZen(tab), 0);
  check_untouched("HanToZen tab", tab, "\x82\x60\t\0 \0XY", 8);
  /* a tab takes the byte after it along, which is left as it is */
  char pair[12] = "\tA  ";
  check_int("HanToZen tab pair", hanToZen(pair), 0);
  check_text("HanToZen tab pair", pair, "\tA");
  /* this library's table has no underscore and no small tsu */
  char own[12] = "_\xaf   ";
  check_int("HanToZen own table", hanToZen(own), 0);
  check_text("HanToZen own table", own, "_\xaf");
}

int main(void) {
  void* library = check_open_library("libhapsy.so");
  stringVal = (HapsyStringVal)check_symbol(library, "StringVal");
  hanToZen = (HapsyWidthConversion)check_symbol(library, "HanToZen");
  zenToHan = (HapsyWidthConversion)check_symbol(library, "ZenToHan");
  HapsyImeSwitch imeSwitch = (HapsyImeSwitch)check_symbol(library, "IME_Switch");
  void (*keyDown)(int) = (void (*)(int))check_symbol(library, "KeyDown");
  void (*keyUp)(int) = (void (*)(int))check_symbol(library, "KeyUp");

  check_calculation();
  check_width_round_trip();
  check_end_of_text();
  check_int("IME_Switch open", imeSwitch(1, 0x1234), -1);
  check_int("IME_Switch close", imeSwitch(0, 0), -1);
  keyDown(0x7FFFFFFF);
  keyUp(0x7FFFFFFF);
  return check_result();
}
