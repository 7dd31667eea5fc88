#pragma once
// INI files read through the program's KOVAN object.
#include "runtime/script/objects/script_page.h"

namespace pemo::script {

class KovanIniSource : public IniSource {
 public:
  std::string readIni(const std::string& file, const std::string& section, const std::string& key) override;
};

}  // namespace pemo::script
