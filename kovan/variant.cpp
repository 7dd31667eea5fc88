#include "kovan/variant.h"

#include <chrono>
#include <cmath>
#include <cstdio>

#include "kovan/kovan_error.h"
#include "platform/text/numbers.h"

namespace pemo::kovan {
namespace {

// "yyyy/mm/dd", "h:mm:ss" or both, as the Japanese short date and long time show them.
std::string dateText(double serial) {
  using namespace std::chrono;
  double day = std::floor(serial);
  // Negative serials count the fraction away from day 0, as the platform's dates do.
  double fraction = std::fabs(serial - day);
  if (serial < 0 && fraction > 0) {
    day = std::ceil(serial);
    fraction = std::fabs(serial - day);
  }
  long seconds = std::lround(fraction * 86400.0);
  if (seconds >= 86400) seconds = 86399;
  char buffer[64];
  std::string out;
  if (day != 0 || seconds == 0) {
    year_month_day ymd{sys_days{1899y / December / 30} + days{static_cast<long>(day)}};
    std::snprintf(buffer, sizeof buffer, "%04d/%02u/%02u", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
    out = buffer;
  }
  if (seconds != 0) {
    std::snprintf(buffer, sizeof buffer, "%ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    if (!out.empty()) out += ' ';
    out += buffer;
  }
  return out;
}

}  // namespace

bool Variant::isNumber() const {
  switch (type_) {
    case Type::Integer:
    case Type::Long:
    case Type::Single:
    case Type::Double:
    case Type::Currency:
    case Type::Date:
    case Type::Byte: return true;
    default: return false;
  }
}

std::string Variant::toText() const {
  switch (type_) {
    case Type::Empty: return {};
    case Type::String: return text_;
    case Type::Boolean: return number_ != 0 ? "True" : "False";
    case Type::Single: {
      // A single carries about 7 significant digits; more would show float noise.
      char buffer[32];
      std::snprintf(buffer, sizeof buffer, "%.7g", number_);
      return text::FormatGeneral(std::strtod(buffer, nullptr));
    }
    case Type::Date: return dateText(number_);
    case Type::Integer:
    case Type::Long:
    case Type::Double:
    case Type::Currency:
    case Type::Byte: return text::FormatGeneral(number_);
    case Type::Null: throw KovanError(kErrInvalidUseOfNull);
    case Type::Missing:
    case Type::Error:
    case Type::Object: break;
  }
  throw KovanError(kErrTypeMismatch);
}

}  // namespace pemo::kovan
