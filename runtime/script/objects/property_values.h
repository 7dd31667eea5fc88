#pragma once
// Property values between the script's texts and the page's numbers.
#include <cstdint>
#include <optional>
#include <string>

#include "runtime/script/objects/script_page.h"

namespace pemo::script {

// A colour from the value text: a BGR number 0 to FFFFFF or a system colour 800000nn
// (also when written as the negative 32-bit number it is). Nothing for other values.
std::optional<std::uint32_t> colourOf(const std::string& text);
// A colour as scripts read it: hexadecimal digits, upper case, no leading zeros.
std::string colourText(std::uint32_t bgr);

// LEFT, TOP, WIDTH, HEIGHT.
Edge edgeOf(const std::string& upperProperty);
// A place value in pixels, brought into the range every position and size keeps to;
// sizes cannot be negative. Nothing for a negative size or a value that is no number.
std::optional<double> edgeValueOf(Edge edge, const std::string& text);

}  // namespace pemo::script
