#pragma once
// The statements' settings through the program's KOVAN object.
#include "runtime/script/statements/host_settings.h"

namespace pemo::script::statements {

class KovanHostSettings : public HostSettings {
 public:
  std::string readIni(const std::string& file, const std::string& section, const std::string& key) override;
  bool writeIni(const std::string& file, const std::string& section, const std::string& key,
                const std::string& value) override;
  int32_t registryRoot(const std::string& name) override;
  int32_t createRegistryKey(const std::string& path) override;
  int32_t openRegistryKey(int32_t parent, const std::string& path) override;
  void closeRegistryKey(int32_t key) override;
  bool writeRegistryValue(int32_t key, const std::string& name, int32_t type, const std::string& value) override;
  std::string readRegistryValue(int32_t key, const std::string& name, int32_t type) override;
  std::string windowsFolder() override;
  std::string systemFolder() override;
};

}  // namespace pemo::script::statements
