#include "numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>

#include "strings.h"

namespace pemo::text {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Reads a Val number from s; `consumed` is how many bytes belong to it.
double readVal(std::string_view s, size_t& consumed) {
  size_t i = 0;
  while (i < s.size() && isBlank(s[i])) ++i;
  if (i + 1 < s.size() && s[i] == '&') {
    char kind = static_cast<char>(s[i + 1] | 0x20);
    int base = kind == 'h' ? 16 : kind == 'o' ? 8 : 0;
    if (base != 0) {
      size_t j = i + 2;
      unsigned long long v = 0;
      size_t digits = 0;
      for (; j < s.size(); ++j) {
        int d = HexDigitValue(s[j]);
        if (d < 0 || d >= base) break;
        v = v * base + d;
        ++digits;
      }
      consumed = digits ? j : 0;
      if (!digits) return 0;
      // &H values are 16 or 32-bit signed integers, as on Windows.
      if (digits <= 4 && base == 16) return static_cast<double>(static_cast<int16_t>(v & 0xFFFF));
      return static_cast<double>(static_cast<int32_t>(v & 0xFFFFFFFFu));
    }
  }
  std::string number;
  size_t j = i;
  auto skipInnerBlanks = [&] {
    while (j < s.size() && (s[j] == ' ' || s[j] == '\t')) ++j;
  };
  if (j < s.size() && (s[j] == '+' || s[j] == '-')) number.push_back(s[j++]);
  bool anyDigit = false, point = false;
  size_t end = 0;
  for (;;) {
    skipInnerBlanks();
    if (j >= s.size()) break;
    char c = s[j];
    if (c >= '0' && c <= '9') {
      number.push_back(c);
      anyDigit = true;
      end = ++j;
    } else if (c == '.' && !point) {
      number.push_back(c);
      point = true;
      ++j;
    } else {
      break;
    }
  }
  if (anyDigit && j < s.size() && (s[j] == 'e' || s[j] == 'E' || s[j] == 'd' || s[j] == 'D')) {
    size_t k = j + 1;
    std::string exponent = "e";
    if (k < s.size() && (s[k] == '+' || s[k] == '-')) exponent.push_back(s[k++]);
    size_t expDigits = 0;
    while (k < s.size() && s[k] >= '0' && s[k] <= '9') {
      exponent.push_back(s[k++]);
      ++expDigits;
    }
    if (expDigits) {
      number += exponent;
      end = k;
    }
  }
  consumed = anyDigit ? end : 0;
  if (!anyDigit) return 0;
  return std::strtod(number.c_str(), nullptr);
}

}  // namespace

double Val(std::string_view s) {
  size_t consumed = 0;
  return readVal(s, consumed);
}

bool IsNumeric(std::string_view s) {
  std::string t = Trim(s);
  if (t.empty()) return false;
  size_t consumed = 0;
  readVal(t, consumed);
  return consumed == t.size();
}

std::string FormatGeneral(double value) {
  if (std::isnan(value) || std::isinf(value)) return "0";
  if (value == 0) return "0";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", value);
  std::string s = buf;
  size_t e = s.find('e');
  if (e == std::string::npos) return s;
  // %g chooses its exponent form at 1e-5; Windows writes plain
  // decimals down to 1e-15 and switches at 1e15.
  int exponent = std::atoi(s.c_str() + e + 1);
  std::string mantissa = s.substr(0, e);
  if (exponent < 0 && exponent >= -15) {
    std::snprintf(buf, sizeof buf, "%.*f", 14 - exponent, value);
    std::string fixed = buf;
    // Keep 15 significant digits, then drop trailing zeros.
    while (!fixed.empty() && fixed.back() == '0') fixed.pop_back();
    if (!fixed.empty() && fixed.back() == '.') fixed.pop_back();
    return fixed;
  }
  char sign = exponent < 0 ? '-' : '+';
  int mag = std::abs(exponent);
  std::snprintf(buf, sizeof buf, "%sE%c%02d", mantissa.c_str(), sign, mag);
  return buf;
}

double RoundHalfEven(double value, int digits) {
  if (std::isnan(value) || std::isinf(value)) return value;
  double scale = std::pow(10.0, digits);
  double scaled = value * scale;
  double floorValue = std::floor(scaled);
  double rounded;
  if (scaled - floorValue == 0.5) {
    rounded = std::fmod(floorValue, 2.0) == 0 ? floorValue : floorValue + 1;
  } else {
    rounded = std::round(scaled);
  }
  return rounded / scale;
}

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string ToHex(unsigned long value) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%lX", value);
  return buf;
}

bool ParseHex(std::string_view text, unsigned long& value) {
  if (text.size() >= 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h')) text.remove_prefix(2);
  if (text.empty() || text.size() > 16) return false;
  unsigned long v = 0;
  for (char c : text) {
    int d = HexDigitValue(c);
    if (d < 0) return false;
    v = v * 16 + d;
  }
  value = v;
  return true;
}

}  // namespace pemo::text
