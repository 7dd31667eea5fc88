// A second program storing its window's place, for the tests of places written at once:
//   place_writer <key below HKEY_USERS> <n> <count>
// stores the place n,n n×n count times; exits 1 when a store fails.
#include <cstdlib>
#include <string>

#include "kovan/kovan.h"
#include "kovan/tests/fake_windows.h"

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  pemo::kovan::FakeWindows windows;
  const int n = std::atoi(argv[2]);
  windows.rects[1] = {n, n, 2 * n, 2 * n};
  for (int i = std::atoi(argv[3]); i > 0; --i)
    if (!pemo::kovan::KovanObject().SetWindowPositionReg(1, argv[1])) return 1;
  return 0;
}
