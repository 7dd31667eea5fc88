#include "kovan/registry_value_text.h"

#include <cstdint>
#include <cstdio>

#include "kovan/kovan_error.h"
#include "platform/text/cp932.h"
#include "platform/text/numbers.h"

namespace pemo::kovan {
namespace {

std::string cutAtNul(std::string text) {
  size_t nul = text.find('\0');
  if (nul != std::string::npos) text.resize(nul);
  return text;
}

unsigned long parseHexOrFail(std::string_view digits) {
  unsigned long value = 0;
  bool plain = digits.find('&') == std::string_view::npos;  // no "&H" prefix inside data
  if (!plain || !text::ParseHex(digits, value)) throw KovanError(kErrTypeMismatch);
  return value;
}

}  // namespace

std::string storedBytes(const registry::Value& value) {
  if (value.type != registry::kString) return value.data;
  return text::utf8ToCp932(value.data) + '\0';
}

std::string valueAsText(const registry::Value& value) {
  if (value.type == registry::kString) return cutAtNul(value.data);
  return text::cp932ToUtf8(cutAtNul(value.data));
}

std::string shortHex(std::string_view bytes) {
  std::string out;
  char digits[4];
  for (unsigned char byte : bytes) {
    if (byte == 0) break;
    std::snprintf(digits, sizeof digits, "%X", byte);
    out += digits;
  }
  return out;
}

std::string spacedHex(std::string_view bytes) {
  std::string out;
  char digits[4];
  for (unsigned char byte : bytes) {
    std::snprintf(digits, sizeof digits, "%02X ", byte);
    out += digits;
  }
  return out;
}

std::string dwordText(std::string_view bytes) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4 && i < bytes.size(); ++i)
    value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
  return std::to_string(static_cast<int32_t>(value));
}

std::string binaryFromHex(std::string_view text) {
  std::string digits;
  for (char c : text)
    if (c != ' ') digits += c;
  std::string bytes;
  for (size_t i = 0; i < digits.size(); i += 2)
    bytes += static_cast<char>(parseHexOrFail(std::string_view(digits).substr(i, 2)));
  return bytes;
}

std::string dwordFromHex(std::string_view text) {
  if (text.size() > 8) throw KovanError(kErrInvalidCall);
  uint32_t value = text.empty() ? 0 : static_cast<uint32_t>(parseHexOrFail(text));
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  return bytes;
}

}  // namespace pemo::kovan
