#pragma once
// File names around the longest a file system takes: 255 bytes on the usual ones.
#include <string>
#include <vector>

namespace pemo::testing {

// Names the host takes, from a little under the longest up to it: plain letters, and UTF-8
// characters of two to four bytes after a start of none to three letters, so that a name
// cut some bytes short ends inside a character for some of them.
std::vector<std::string> longNamesTheHostTakes();

// A name of plain letters one byte longer than the host takes.
std::string nameOneByteTooLong();

}  // namespace pemo::testing
