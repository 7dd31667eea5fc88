// Width conversion of the caller's fixed-length, blank-padded buffer.
#include <cstring>
#include <string>

#include "support/hapsy/blank_padded.h"
#include "support/hapsy/hapsy.h"
#include "support/hapsy/hapsy_width.h"

using namespace pemo::support;

namespace {
constexpr int kDoesNotFit = -1;
}

int HanToZen(char* buffer) {
  if (!buffer) return 0;
  size_t room = std::strlen(buffer);
  size_t length = trimTrailingBlanks(buffer);
  if (length == 0) return 0;
  std::string full = toFullWidth(hapsyWidthTable(), std::string_view(buffer, length), isHapsySingleByte);
  // The result and its NUL must fit where the padded text stood.
  if (full.size() >= room) return kDoesNotFit;
  std::memcpy(buffer, full.c_str(), full.size() + 1);
  return 0;
}

int ZenToHan(char* buffer) {
  if (!buffer) return 0;
  size_t room = std::strlen(buffer);
  std::string half = toHalfWidth(hapsyWidthTable(), std::string_view(buffer, room), isHapsySingleByte);
  std::memset(buffer, ' ', room);
  std::memcpy(buffer, half.c_str(), half.size() + 1);
  return 0;
}
