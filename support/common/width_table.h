#pragma once
// The half-width / full-width lookup table of the support libraries. Its entries are
// code page 932 bytes: the libraries convert the caller's code page 932 buffers.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace pemo::support {

// A full-width character and its one-byte half-width form (letters, digits, signs).
struct AlphanumericPair {
  std::string_view full;  // UTF-8
  std::string_view half;  // UTF-8
};

// One kana: its hiragana and katakana forms and its half-width form, one half-width
// kana with its voiced or semi-voiced mark where it has one. An empty hiragana means
// the kana exists in katakana only.
struct KanaCell {
  std::string_view hiragana;  // UTF-8
  std::string_view katakana;  // UTF-8
  std::string_view half;      // UTF-8
};

class WidthTable {
 public:
  // The entries both libraries share, plus the ones a library adds.
  WidthTable(const std::vector<AlphanumericPair>& extraPairs,
             const std::vector<KanaCell>& extraKana);

  // Full-width form of the half-width character at the start of text, which may take
  // the voiced mark after it along; consumed tells how many bytes it took. Empty when
  // the character has no full-width form (consumed is then 1).
  std::string_view fullFormAt(std::string_view text, size_t& consumed) const;

  // Half-width form of one double-byte character; empty when it has none.
  std::string_view halfFormOf(std::string_view doubleByte) const;

 private:
  void addPair(std::string_view fullUtf8, std::string_view halfUtf8);
  void addKana(const KanaCell& cell);

  std::unordered_map<std::string, std::string> fullForms_;  // half-width key -> full width
  std::unordered_map<std::string, std::string> halfForms_;  // full-width key -> half width
};

}  // namespace pemo::support
