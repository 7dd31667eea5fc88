#include "runtime/script/kovan_arithmetic.h"

#include "kovan/kovan.h"

namespace pemo::script {

double KovanArithmetic::fCalc(const std::string& expression, int decimals, int mode) {
  return kovan::KovanObject().fCalc(expression, static_cast<int16_t>(decimals), static_cast<int16_t>(mode));
}

double KovanArithmetic::changeHexToDec(const std::string& hexDigits) {
  return kovan::KovanObject().ChangeHexToDec(kovan::Variant(hexDigits));
}

}  // namespace pemo::script
