#include "support/hapsy/blank_padded.h"

#include <cstring>

namespace pemo::support {

size_t trimTrailingBlanks(char* buffer) {
  size_t length = std::strlen(buffer);
  while (length > 0 && buffer[length - 1] == ' ') --length;
  buffer[length] = '\0';
  return length;
}

}  // namespace pemo::support
