#pragma once
// Stored places at the bounds of what a user can reach on FakeWindows' 1024 by 768 screen,
// and where the screen check of a restore puts the window: a 300 by 200 window must show
// 100 by 50 of itself, a 60 by 40 one all of itself.
#include <cstdint>
#include <string>
#include <vector>

namespace pemo::kovan::testing {

struct EdgePlace {
  std::string left, top;  // as stored
  int32_t width, height;  // the window's size
  int32_t comesToLeft, comesToTop;
};

inline const std::vector<EdgePlace> kEdgePlaces = {
    // 100, 99 and 1 pixels shown at the right edge, none, and far beyond it.
    {"924", "10", 300, 200, 924, 10},
    {"925", "10", 300, 200, 724, 10},
    {"1023", "10", 300, 200, 724, 10},
    {"1024", "10", 300, 200, 0, 10},
    {"5000", "10", 300, 200, 0, 10},
    // 100, 50, 49 and 1 pixels shown at the bottom edge, none.
    {"10", "668", 300, 200, 10, 668},
    {"10", "718", 300, 200, 10, 718},
    {"10", "719", 300, 200, 10, 568},
    {"10", "767", 300, 200, 10, 568},
    {"10", "768", 300, 200, 10, 0},
    {"1023", "767", 300, 200, 724, 568},
    {"924", "718", 300, 200, 924, 718},
    // Past the left and top edges: the title bar partly, wholly and further out of reach.
    {"-1", "-1", 300, 200, 0, 0},
    {"-299", "-30", 300, 200, 0, 0},
    {"-300", "-200", 300, 200, 0, 0},
    {"-301", "-201", 300, 200, 0, 0},
    {"abc", "x", 300, 200, 0, 0},
    // Smaller than the usable part: all of it must show.
    {"964", "728", 60, 40, 964, 728},
    {"965", "729", 60, 40, 964, 728},
    {"1023", "767", 60, 40, 964, 728},
    {"1024", "768", 60, 40, 0, 0},
};

}  // namespace pemo::kovan::testing
