#pragma once
// Where the statements keep and find settings on this machine: INI files, the registry
// and the Windows and system folders.
#include <cstdint>
#include <string>

namespace pemo::script::statements {

class HostSettings {
 public:
  virtual ~HostSettings() = default;

  // An INI value; "" when the file, section or key is not there.
  virtual std::string readIni(const std::string& file, const std::string& section, const std::string& key) = 0;
  // False when the value did not reach the file.
  virtual bool writeIni(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value) = 0;

  // Registry keys are handles; -1 (a root the registry does not know) and 0 (a key it
  // refused) stand for no key.
  static bool isOpen(int32_t key) { return key != 0 && key != -1; }
  // The handle of a root named as written ("HKEY_CURRENT_USER").
  virtual int32_t registryRoot(const std::string& name) = 0;
  // Opens the key of a full path, root name first, creating what is missing.
  virtual int32_t createRegistryKey(const std::string& path) = 0;
  virtual int32_t openRegistryKey(int32_t parent, const std::string& path) = 0;
  virtual void closeRegistryKey(int32_t key) = 0;
  // False when the registry did not take the value (a type it does not know, a refused write).
  virtual bool writeRegistryValue(int32_t key, const std::string& name, int32_t type, const std::string& value) = 0;
  // The value as text up to its first NUL; for a key that is not open, what the registry
  // answers for a bad handle.
  virtual std::string readRegistryValue(int32_t key, const std::string& name, int32_t type) = 0;

  virtual std::string windowsFolder() = 0;
  virtual std::string systemFolder() = 0;
};

// A registry key the statement opened for itself, closed on every way out.
class OpenedRegistryKey {
 public:
  OpenedRegistryKey(HostSettings& settings, int32_t key) : settings_(settings), key_(key) {}
  ~OpenedRegistryKey() {
    if (isOpen()) settings_.closeRegistryKey(key_);
  }
  OpenedRegistryKey(const OpenedRegistryKey&) = delete;
  OpenedRegistryKey& operator=(const OpenedRegistryKey&) = delete;

  bool isOpen() const { return HostSettings::isOpen(key_); }
  int32_t get() const { return key_; }

 private:
  HostSettings& settings_;
  int32_t key_;
};

}  // namespace pemo::script::statements
