#pragma once
// Rules shared by the window methods that restore a stored rectangle.
#include <cstdint>
#include <optional>
#include <string>

namespace pemo::kovan {

// A stored setting read as a number and rounded to whole pixels (an empty text gives 0);
// nullopt when it is beyond what a window position can be.
std::optional<int32_t> storedPixels(const std::string& text);

// A position at or beyond the screen's far edge (where nothing of the window would show)
// comes back from that edge, a negative one to 0.
int32_t onScreen(int32_t position, int32_t extent);

// A length larger than the extent comes back at the extent; without an extent (no
// screen) the length stays.
int32_t withinExtent(int32_t length, int32_t extent);

}  // namespace pemo::kovan
