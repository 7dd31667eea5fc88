#include "runtime/script/objects/kovan_ini_source.h"

#include "kovan/kovan.h"

namespace pemo::script {

std::string KovanIniSource::readIni(const std::string& file, const std::string& section, const std::string& key) {
  return kovan::KovanObject().GetIni(file, section, key);
}

}  // namespace pemo::script
