/* Loads libzebric as its C callers do and checks its calculation and width exports. */
#include "support/common/tests/c_check.h"
#include "support/zebric/zebric.h"

static ZebricCalculation keisan, keisan2;
static ZebricWidthConversion halfToAll, allToHalf;

static void check_calculation(ZebricCalculation calculate, const char* input, int unit, int mode,
                              const char* expected) {
  char buffer[256];
  snprintf(buffer, sizeof buffer, "%s", input);
  calculate(buffer, unit, mode);
  check_text(input, buffer, expected);
}

static void check_width(ZebricWidthConversion convert, const char* input, const char* expected) {
  char buffer[256];
  snprintf(buffer, sizeof buffer, "%s", input);
  convert(buffer);
  check_text(input, buffer, expected);
}

static void check_expressions(void) {
  check_calculation(keisan, "1+2*3", 0, 1, "7");
  check_calculation(keisan, "(1+2)*3", 0, 1, "9");
  check_calculation(keisan, "2^3^2", 0, 1, "64");
  check_calculation(keisan, "-2^2", 0, 1, "4");
  check_calculation(keisan, "7%3", 0, 1, "1");
  check_calculation(keisan, "27_3", 0, 1, "3");
  check_calculation(keisan, "5/0", 0, 1, "0");
  /* "１，０００×２": full-width digits, comma and the times sign */
  check_calculation(keisan, "\x82\x50\x81\x43\x82\x4f\x82\x4f\x82\x4f\x81\x7e\x82\x51", 0, 1, "2000");
  check_calculation(keisan, "{1+2}*3", 0, 1, "9");
  check_calculation(keisan, "12abc", 0, 1, "12");
  check_calculation(keisan, "abc", 0, 1, "0");
}

static void check_rounding(void) {
  check_calculation(keisan, "1.005", -2, 1, "1.00");
  check_calculation(keisan, "2.345", -2, 2, "2.35");
  check_calculation(keisan, "2.344", -2, 2, "2.34");
  check_calculation(keisan, "2.341", -2, 3, "2.35");
  check_calculation(keisan, "-2.345", -2, 2, "-2.35");
  check_calculation(keisan, "1250", 2, 2, "1300");
  check_calculation(keisan, "-0.001", -2, 1, "0.00");
  /* the result is cut to the length of the text given */
  check_calculation(keisan, "1/3", -5, 1, "0.3");
  check_calculation(keisan, "1/3          ", -5, 1, "0.33333");
}

static void check_results_without_a_value(void) {
  check_calculation(keisan, "7%0", 0, 1, "0");
  check_calculation(keisan, "-8^0.5", 0, 1, "0");
  check_calculation(keisan, "(-4)_2", 0, 1, "0");
  check_calculation(keisan, "10^400", 0, 1, "0");
  check_calculation(keisan, "10^400-10^400", 0, 1, "0");
  check_calculation(keisan, "-8_3", 0, 1, "-2");
  check_calculation(keisan, "(1+2) * 3", 0, 1, "9");
  check_calculation(keisan, "123456789012345678901", -3, 2, "123456789012345683968");
  check_calculation(keisan, "1.5  ", -2147483647 - 1, 1, "1.500");
  check_calculation(keisan, "1.5  ", 2147483647, 1, "0");
}

static void check_empty_text(void) {
  char buffer[8] = {'\0', 'X', 'Y', 'Z'};
  keisan(buffer, 0, 1);
  keisan2(buffer, 0, 1);
  check_untouched("empty text", buffer, "\0XYZ", 4);
}

static void check_term_rounding(void) {
  check_calculation(keisan2, "1.4+1.4", 0, 2, "2");
  check_calculation(keisan, "1.4+1.4", 0, 2, "3");
  check_calculation(keisan2, "2.6-1.4", 0, 2, "2");
  check_calculation(keisan, "2.6-1.4", 0, 2, "1");
  check_calculation(keisan2, "1-2^2", 0, 1, "-3");
  check_calculation(keisan2, "2*-1.6+(0.6+0.6)", 0, 2, "-2");
}

static void check_width_conversion(void) {
  /* ｱｲｳ -> あいう; アイウ and あいう -> ｱｲｳ */
  check_width(halfToAll, "\xb1\xb2\xb3", "\x82\xa0\x82\xa2\x82\xa4");
  check_width(allToHalf, "\x83\x41\x83\x43\x83\x45", "\xb1\xb2\xb3");
  check_width(allToHalf, "\x82\xa0\x82\xa2\x82\xa4", "\xb1\xb2\xb3");
  /* ｶﾞ <-> が, ﾊﾟ <-> ぱ */
  check_width(halfToAll, "\xb6\xde\xca\xdf", "\x82\xaa\x82\xcf");
  check_width(allToHalf, "\x82\xaa\x82\xcf", "\xb6\xde\xca\xdf");
  /* ｶ before ｶﾞ: each keeps its own form (かが, not かかﾞ) */
  check_width(halfToAll, "\xb6\xb6\xde", "\x82\xa9\x82\xaa");
  /* ｳﾞ -> ヴ, and ヴ -> ｳﾞ */
  check_width(halfToAll, "\xb3\xde", "\x83\x94");
  check_width(allToHalf, "\x83\x94", "\xb3\xde");
  /* blank, backslash, underscore, small tsu; tilde and question mark stay */
  check_width(halfToAll, " \\_\xaf~?", "\x81\x40\x81\x8f\x81\x51\x82\xc1~?");
  check_width(allToHalf, "\x81\x40\x81\x8f\x81\x51\x83\x62", " \\_\xaf");
}

int main(void) {
  void* library = check_open_library("libzebric.so");
  keisan = (ZebricCalculation)check_symbol(library, "Keisan");
  keisan2 = (ZebricCalculation)check_symbol(library, "Keisan2");
  halfToAll = (ZebricWidthConversion)check_symbol(library, "HalfToAll");
  allToHalf = (ZebricWidthConversion)check_symbol(library, "AllToHalf");
  check_expressions();
  check_rounding();
  check_results_without_a_value();
  check_empty_text();
  check_term_rounding();
  check_width_conversion();
  return check_result();
}
