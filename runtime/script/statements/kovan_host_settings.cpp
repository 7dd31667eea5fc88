#include "runtime/script/statements/kovan_host_settings.h"

#include "kovan/kovan.h"

namespace pemo::script::statements {
namespace {

// Folder codes of GetWinSysDir: the folders as the system gives them, without closing "\".
constexpr int16_t kWindowsFolderCode = 51;
constexpr int16_t kSystemFolderCode = 52;

}  // namespace

std::string KovanHostSettings::readIni(const std::string& file, const std::string& section, const std::string& key) {
  return kovan::KovanObject().GetIni(file, section, key);
}

bool KovanHostSettings::writeIni(const std::string& file, const std::string& section, const std::string& key,
                                 const std::string& value) {
  return kovan::KovanObject().SetIni(file, section, key, value) == 0;
}

int32_t KovanHostSettings::registryRoot(const std::string& name) {
  std::string unused;
  return kovan::KovanObject().RegGetRootKey(name, unused);
}

int32_t KovanHostSettings::createRegistryKey(const std::string& path) {
  int32_t disposition = 0;
  return kovan::KovanObject().RegCreateKey(path, "", 0, disposition);
}

int32_t KovanHostSettings::openRegistryKey(int32_t parent, const std::string& path) {
  return kovan::KovanObject().RegOpenKey(parent, path);
}

void KovanHostSettings::closeRegistryKey(int32_t key) { kovan::KovanObject().RegCloseKey(key); }

bool KovanHostSettings::writeRegistryValue(int32_t key, const std::string& name, int32_t type,
                                           const std::string& value) {
  return kovan::KovanObject().RegSetValue(key, name, type, value).numberValue() == 0;
}

std::string KovanHostSettings::readRegistryValue(int32_t key, const std::string& name, int32_t type) {
  kovan::KOVAN& kovan = kovan::KovanObject();
  return kovan.CutNull(kovan::Variant(kovan.RegGetValue(key, name, type)));
}

std::string KovanHostSettings::windowsFolder() { return kovan::KovanObject().GetWinSysDir(kWindowsFolderCode); }

std::string KovanHostSettings::systemFolder() { return kovan::KovanObject().GetWinSysDir(kSystemFolderCode); }

}  // namespace pemo::script::statements
