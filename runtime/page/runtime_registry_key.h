#pragma once
// The runtime's key under HKEY_USERS, under which every runtime setting lives.

namespace pemo::page {

inline constexpr const char* kRuntimeRegistryKey = ".Default\\Software\\Kalvo\\Pemo";

}  // namespace pemo::page
