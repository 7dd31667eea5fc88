#pragma once
// The script's arithmetic through the program's KOVAN object.
#include "runtime/script/ports.h"

namespace pemo::script {

class KovanArithmetic : public Arithmetic {
 public:
  double fCalc(const std::string& expression, int decimals, int mode) override;
  double changeHexToDec(const std::string& hexDigits) override;
};

}  // namespace pemo::script
