#pragma once
// The system colours: 0x80000000 plus the index of a palette role. Only the indexes the
// desktop knows stand for a colour; any other value with the top bit set is none.
#include <cstdint>

namespace pemo::ui {

inline constexpr std::uint32_t kSystemColourBit = 0x80000000u;
inline constexpr std::uint32_t kSystemColourCount = 25;

// True for a colour that is not a system colour, or is one the palette has.
inline constexpr bool isShowableColour(std::uint32_t colour) {
  if (!(colour & kSystemColourBit)) return true;
  return colour - kSystemColourBit < kSystemColourCount;
}

}  // namespace pemo::ui
