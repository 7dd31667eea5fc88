// Binary and hexadecimal digit texts, era years and the arithmetic of expression texts.
#include <cmath>
#include <optional>

#include "kovan/kovan.h"
#include "kovan/zebric_binding.h"
#include "platform/text/cp932.h"
#include "platform/text/numbers.h"
#include "platform/text/strings.h"
#include "platform/text/utf8.h"

namespace pemo::kovan {
namespace {

using Type = Variant::Type;

// Kinds that have a number or text to convert.
bool isConvertible(const Variant& value, bool booleanToo) {
  switch (value.type()) {
    case Type::Integer: case Type::Long: case Type::Single: case Type::Double:
    case Type::Currency: case Type::Date: case Type::String:
      return true;
    case Type::Boolean:
      return booleanToo;
    default:
      return false;
  }
}

// Sums digit values times base to the power of the digit's place, the last character
// being place 0; nullopt when the sum leaves the range of a Double.
template <typename DigitValue>
std::optional<double> placeValueSum(const std::string& digits, double base, DigitValue digitValue) {
  const std::u32string characters = text::toU32(digits);
  double sum = 0;
  for (size_t i = 0; i < characters.size(); ++i) {
    const double place = double(characters.size() - 1 - i);
    const double digit = digitValue(characters[i]);
    if (digit != 0) sum += digit * std::pow(base, place);
  }
  if (!std::isfinite(sum)) return std::nullopt;
  return sum;
}

constexpr int16_t kEraFirstYears[] = {
    1615, 1624, 1644, 1648, 1652, 1655, 1658, 1661, 1673, 1681,  // 1-10
    1684, 1688, 1704, 1711, 1716, 1736, 1741, 1744, 1748, 1751,  // 11-20
    1764, 1772, 1781, 1789, 1801, 1804, 1818, 1830, 1844, 1848,  // 21-30
    1854, 1860, 1861, 1864, 1865, 1868, 1912, 1926, 1989,        // 31-39
};

constexpr size_t kCalculationBufferCharacters = 5120;

ZebricBinding& zebric() {
  static ZebricBinding binding(kovanLibraryFolder());
  return binding;
}

}  // namespace

double KOVAN::ChangeBinToDec(const String& BinValue) {
  return placeValueSum(BinValue, 2, [](char32_t c) { return c == U'1' ? 1.0 : 0.0; }).value_or(0);
}

KOVAN::String KOVAN::ChangeDecToBin(const Variant& DecValue) {
  if (!isConvertible(DecValue, true)) return {};
  double n = std::floor(text::Val(DecValue.toText()));
  if (!std::isfinite(n)) throw KovanError(kErrOverflow);
  std::string digits;
  do {
    digits.insert(digits.begin(), std::fmod(n, 2) == 0 ? '0' : '1');
    n = std::floor(n / 2);
  } while (n >= 1);
  return digits;
}

double KOVAN::ChangeHexToDec(const Variant& HexValue) {
  if (!isConvertible(HexValue, false)) return -1;
  return placeValueSum(HexValue.toText(), 16, [](char32_t c) {
           if (c >= U'a' && c <= U'f') return double(c - U'a' + 10);
           if (c >= U'A' && c <= U'F') return double(c - U'A' + 10);
           std::string character;
           text::appendUtf8(character, c);
           return text::Val(character);
         }).value_or(0);
}

// A range outside the array gives the empty text rather than a fault.
KOVAN::String KOVAN::ChangeByteToHex(const ByteArray& ByteData, const int32_t& Start,
                                     const int32_t& Length, const Variant& HexPrefix) {
  std::string hex = HexPrefix.isMissing() ? "" : "&H";
  try {
    for (int64_t i = Start; i < int64_t(Start) + Length; ++i) {
      const std::string digits = text::ToHex(ByteData[int32_t(i)]);
      hex += (digits.size() < 2 ? "0" : "") + digits;
    }
  } catch (const KovanError&) {
    return {};
  }
  return hex;
}

int16_t KOVAN::ChangeYear(const int16_t& Era, const int16_t& EraYear) {
  constexpr int16_t kUnknownEra = -9999;
  if (Era < 1 || Era > int16_t(std::size(kEraFirstYears))) return kUnknownEra;
  const int32_t year = int32_t(kEraFirstYears[Era - 1]) + EraYear - 1;
  if (year < INT16_MIN || year > INT16_MAX) throw KovanError(kErrOverflow);
  return int16_t(year);
}

// Keisan works in place on the code page 932 text and writes back no more bytes than the
// expression had, so a result longer than the expression comes back cut; callers that
// need all of it pad the expression with blanks.
double KOVAN::fCalc(const String& Expression, const int16_t& Digits, const int16_t& Op) {
  const KeisanFunction keisan = zebric().keisan();
  std::string work = text::Left(Expression + '\0', long(kCalculationBufferCharacters));
  work.append(kCalculationBufferCharacters - size_t(text::Len(work)), ' ');
  std::string buffer = text::utf8ToCp932(work);
  buffer.push_back('\0');  // the routine always finds an end, even in a cut expression
  keisan(buffer.data(), -Digits, Op);
  const std::string result = text::cp932ToUtf8(buffer.substr(0, buffer.find('\0')));
  return text::Val(result);
}

}  // namespace pemo::kovan
