// Registry keys and values: open, create, close and delete keys, read values as
// text by name or by index, write values from text. Failures come back as status
// codes or the handle -1, never as errors.
#include "kovan/kovan.h"
#include "kovan/registry_value_text.h"
#include "platform/registry/registry.h"
#include "platform/text/cp932.h"
#include "platform/text/strings.h"

namespace pemo::kovan {
namespace {

namespace reg = pemo::registry;

// The buffers these methods offer the registry on Windows, which bound what a read returns.
constexpr size_t kKeyNameBuffer = 255;
constexpr size_t kClassBuffer = 4096;
constexpr size_t kStringBuffer = 1024;
constexpr size_t kBinaryBuffer = 32767;
constexpr size_t kNameBuffer = 32767;
// Returned for a value type the methods cannot write.
constexpr int32_t kInvalidParameter = 87;

constexpr int32_t kReadString = 1;
constexpr int32_t kReadBinary = 3;
constexpr int32_t kReadNumber = 4;

// Negative indexes were huge unsigned numbers to the system: past the last item.
bool validIndex(int32_t index) { return index >= 0; }

// Reads a value the way RegGetValue and RegGetValueEx do; text receives the value
// for the types they know and is left alone for the others.
int32_t readValue(int32_t hkey, const std::string& name, int32_t type, std::string& text) {
  reg::Value value;
  switch (type) {
    case kReadString: {
      int32_t status = reg::queryValue(hkey, name, value, kStringBuffer);
      text = status == reg::kSuccess ? text::RTrim(valueAsText(value)) : std::string();
      return status;
    }
    case kReadNumber: {
      int32_t status = reg::queryValue(hkey, name, value, 4);
      text = status == reg::kSuccess ? dwordText(storedBytes(value)) : "0";
      return status;
    }
    case kReadBinary: {
      int32_t status = reg::queryValue(hkey, name, value, kBinaryBuffer);
      text = status == reg::kSuccess ? shortHex(storedBytes(value)) : std::string();
      return status;
    }
    default: return reg::kSuccess;
  }
}

std::string valueForType(const reg::Value& value) {
  switch (value.type) {
    case reg::kString: return valueAsText(value);
    case reg::kBinary: return spacedHex(value.data);
    case reg::kDword: return dwordText(value.data);
    default: return {};
  }
}

}  // namespace

int32_t KOVAN::RegOpenKey(const int32_t& hkey, const String& SubKeyName) {
  reg::Key key = 0;
  return reg::openKey(hkey, SubKeyName, key) == reg::kSuccess ? key : -1;
}

int32_t KOVAN::RegGetRootKey(const String& FullKeyName, String& RetSubKey) {
  size_t backslash = FullKeyName.find('\\');
  std::string root = FullKeyName.substr(0, backslash);
  if (backslash != std::string::npos) RetSubKey = FullKeyName.substr(backslash + 1);
  reg::Key key = reg::predefinedKey(root);
  return key != 0 ? key : -1;
}

int32_t KOVAN::RegCreateKey(const String& NewKeyName, const String& KeyClassName,
                            const int32_t& SecurityDesc, int32_t& result) {
  // Keys carry no security descriptor here, so SecurityDesc has nothing to set.
  if (NewKeyName.find('\\') == std::string::npos) return -1;
  std::string subKey;
  int32_t root = RegGetRootKey(NewKeyName, subKey);
  if (root == -1) return -1;
  reg::Key key = 0;
  reg::Disposition disposition{};
  if (reg::createKey(root, subKey, KeyClassName, key, &disposition) != reg::kSuccess) return 0;
  result = disposition;
  return key;
}

int32_t KOVAN::RegCloseKey(const int32_t& hkey) { return reg::closeKey(hkey); }

int32_t KOVAN::RegDeleteKey(const int32_t& hkey, const String& SubKey) {
  return reg::deleteKey(hkey, SubKey);
}

int32_t KOVAN::RegDeleteValue(const int32_t& hkey, const String& ValueName) {
  return reg::deleteValue(hkey, ValueName);
}

int32_t KOVAN::RegGetKeyByIndex(const int32_t& hkey, const int32_t& Index, String& ret) {
  std::string name;
  int32_t status = validIndex(Index) ? reg::enumKey(hkey, static_cast<uint32_t>(Index), name,
                                                    kKeyNameBuffer)
                                     : static_cast<int32_t>(reg::kNoMoreItems);
  ret = status == reg::kSuccess ? name : std::string();
  return status;
}

int32_t KOVAN::RegGetKeyInfo(const int32_t& hkey, String& RetClass, int32_t& RetSecurityDesc) {
  reg::KeyInfo info;
  int32_t status = reg::queryInfoKey(hkey, info);
  if (status != reg::kSuccess) return status;
  if (text::cp932Length(info.className) + 1 > kClassBuffer) return reg::kMoreData;
  RetClass = info.className;
  RetSecurityDesc = static_cast<int32_t>(info.securityDescriptorSize);
  return status;
}

KOVAN::String KOVAN::RegGetValue(const int32_t& hkey, const String& ValueName,
                                 const int32_t& rType) {
  if (rType != kReadString && rType != kReadNumber) return {};
  std::string text;
  readValue(hkey, ValueName, rType, text);
  return text;
}

int32_t KOVAN::RegGetValueEx(const int32_t& hkey, const String& ValueName, const int32_t& rType,
                             String& RetValue) {
  return readValue(hkey, ValueName, rType, RetValue);
}

int32_t KOVAN::RegGetValueByIndex(const int32_t& hkey, const int32_t& Index, String& RetName,
                                  String& ReturnValue, int32_t& RetType, String& RetBinValue) {
  RetBinValue.clear();
  std::string name;
  reg::Value value;
  int32_t status = validIndex(Index)
                       ? reg::enumValue(hkey, static_cast<uint32_t>(Index), name, value,
                                        kNameBuffer, kBinaryBuffer)
                       : static_cast<int32_t>(reg::kNoMoreItems);
  if (status != reg::kSuccess) {
    RetName.clear();
    ReturnValue.clear();
    RetType = 0;
    return status;
  }
  RetName = name.substr(0, name.find('\0'));
  RetType = static_cast<int32_t>(value.type);
  ReturnValue = valueForType(value);
  RetBinValue = shortHex(storedBytes(value));
  return status;
}

Variant KOVAN::RegSetValue(const int32_t& hkey, const String& vName, const int32_t& vType,
                           const String& SetData) {
  std::string data;
  switch (vType) {
    case reg::kString: data = SetData; break;
    case reg::kBinary: data = binaryFromHex(SetData); break;
    case reg::kDword: data = dwordFromHex(SetData); break;
    default: return Variant(kInvalidParameter);  // nothing written, and the caller is told
  }
  return Variant(static_cast<int32_t>(
      reg::setValue(hkey, vName, static_cast<uint32_t>(vType), data)));
}

}  // namespace pemo::kovan
