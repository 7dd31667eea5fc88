#pragma once
// A window place as the programs store it below HKEY_USERS, for tests that open a window
// on a stored place and read back what it stored when it closed.
#include <cstdlib>
#include <ostream>
#include <string>

#include "kovan/kovan.h"
#include "platform/registry/registry.h"

namespace pemo::kovan::testing {

struct StoredPlace {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const StoredPlace&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const StoredPlace& place) {
  return out << place.left << "," << place.top << " " << place.width << "x" << place.height;
}

inline void storePlace(const std::string& key, const StoredPlace& place) {
  KOVAN& kovan = KovanObject();
  int32_t disposition = 0;
  const int32_t handle = kovan.RegCreateKey("HKEY_USERS\\" + key, "", 0, disposition);
  for (auto [name, number] : {std::pair{"Left", place.left}, {"Top", place.top}, {"Width", place.width},
                              {"Height", place.height}})
    kovan.RegSetValue(handle, name, registry::kString, std::to_string(number));
  kovan.RegCloseKey(handle);
}

inline StoredPlace storedPlace(const std::string& key) {
  KOVAN& kovan = KovanObject();
  const int32_t handle = kovan.RegOpenKey(registry::kUsers, key);
  auto number = [&](const char* name) { return std::atoi(kovan.RegGetValue(handle, name, registry::kString).c_str()); };
  StoredPlace place{number("Left"), number("Top"), number("Width"), number("Height")};
  kovan.RegCloseKey(handle);
  return place;
}

}  // namespace pemo::kovan::testing
