#pragma once
// The file name that open and create receive in the key buffer: code page 932 bytes,
// ended by a zero byte or blanks; a Windows path or a host path.
#include <optional>
#include <string>

namespace pemo::btrieve {

// The host path for a name in a key buffer of keyLength bytes; nothing when it is
// empty or names no place (a drive that is not defined).
std::optional<std::string> hostPathFromKeyBuffer(const void* key, int keyLength);

}  // namespace pemo::btrieve
