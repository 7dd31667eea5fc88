// A second Pemo process for the registry tests:
//   registry_test_client write <key under HKEY_USERS> <name prefix> <count>
//   registry_test_client count <key under HKEY_USERS>   (prints the number of values)
//   registry_test_client counter <name> <count>         (prints that many counter values)
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/registry/registry.h"

using namespace pemo::registry;

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  std::string mode = argv[1];
  if (mode == "write" && argc == 5) {
    Key key = 0;
    if (createKey(kUsers, argv[2], "", key) != kSuccess) return 1;
    int count = std::atoi(argv[4]);
    for (int i = 0; i < count; ++i) {
      std::string name = std::string(argv[3]) + std::to_string(i);
      if (setValue(key, name, kString, "data " + name) != kSuccess) return 1;
    }
    return closeKey(key) == kSuccess ? 0 : 1;
  }
  if (mode == "counter" && argc == 4) {
    for (int i = std::atoi(argv[3]); i > 0; --i)
      std::printf("%lld\n", static_cast<long long>(nextCounterValue(argv[2])));
    return 0;
  }
  if (mode == "count") {
    Key key = 0;
    if (openKey(kUsers, argv[2], key) != kSuccess) return 1;
    KeyInfo info;
    if (queryInfoKey(key, info) != kSuccess) return 1;
    std::printf("%u\n", info.values);
    return 0;
  }
  return 2;
}
