#include "platform/testing/long_names.h"

#include <climits>

namespace pemo::testing {
namespace {

// Letters, then as many copies of a character as fill the name up to the longest.
std::string filled(const std::string& letters, const std::string& character) {
  std::string name = letters;
  while (name.size() + character.size() <= NAME_MAX) name += character;
  return name;
}

}  // namespace

std::vector<std::string> longNamesTheHostTakes() {
  return {std::string(235, 'n'),
          std::string(240, 'n'),
          std::string(NAME_MAX - 4, 'n'),
          std::string(NAME_MAX - 3, 'n'),
          std::string(NAME_MAX - 4, 'n') + ".DAT",
          std::string(NAME_MAX, 'n'),
          filled("", "あ"),
          filled("x", "あ"),
          filled("xy", "あ"),
          filled("e", "é"),
          filled("abc", "😀")};
}

std::string nameOneByteTooLong() { return std::string(NAME_MAX + 1, 'n'); }

}  // namespace pemo::testing
