#pragma once
// List files in the shapes hands and other programs leave them: each holds the entries
// "a,A" and "b,B" that the reader takes, some of them one more that it passes over.
#include <cctype>
#include <string>
#include <vector>

namespace pemo::shell::testing {

struct ListFileShape {
  std::string what;
  std::string utf8;
  bool passedOver;  // holds an entry the reader does not take
};

inline std::vector<ListFileShape> listFileShapes(const std::string& section, const std::string& keyPrefix) {
  std::string lowerPrefix = keyPrefix;
  for (char& c : lowerPrefix) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  std::string lowerSection = section;
  for (char& c : lowerSection) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const std::string list = "[" + section + "]\r\n" + keyPrefix + "0=a,A\r\n" + keyPrefix + "1=b,B\r\n";
  return {
      {"LF line ends", "[" + section + "]\n" + keyPrefix + "0=a,A\n" + keyPrefix + "1=b,B\n", false},
      {"lower-case keys", "[" + lowerSection + "]\r\n" + lowerPrefix + "0=a,A\r\n" + lowerPrefix + "1=b,B\r\n", false},
      {"an empty key behind the list", list + keyPrefix + "3=\r\n", false},
      {"an entry after a gap", list + keyPrefix + "3=c,C\r\n", true},
      {"a number with a leading zero", list + keyPrefix + "01=c,C\r\n", true},
      {"a second key 0", list + lowerPrefix + "0=c,C\r\n", true},
      {"an entry after an empty key", list + keyPrefix + "2=\r\n" + keyPrefix + "3=c,C\r\n", true},
  };
}

}  // namespace pemo::shell::testing
