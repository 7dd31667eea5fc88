#include "platform/btrieve/record_file_name.h"

#include <cstring>

#include "platform/fs/windows_path.h"
#include "platform/text/cp932.h"

namespace pemo::btrieve {

std::optional<std::string> hostPathFromKeyBuffer(const void* key, int keyLength) {
  if (!key || keyLength <= 0) return std::nullopt;
  const char* bytes = static_cast<const char*>(key);
  std::string name(bytes, ::strnlen(bytes, static_cast<size_t>(keyLength)));
  while (!name.empty() && name.back() == ' ') name.pop_back();
  if (name.empty()) return std::nullopt;
  // Callers name files the Windows way ("C:\DATA\ITEMS.DAT", relative names) or by
  // host path.
  return fs::toHostPath(text::cp932ToUtf8(name));
}

}  // namespace pemo::btrieve
