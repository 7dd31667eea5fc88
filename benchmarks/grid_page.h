#pragma once
// The page of n objects that pemo and the bare Qt program both show: labels, push
// buttons, tool buttons with a picture and group boxes, in turn, on a grid of ten
// columns.
#include <string>

namespace pemo::benchmarks {

enum class GridKind { Label, Button, PictureButton, Frame };

struct GridPlace {
  int left, top, width, height;
};

inline GridKind gridKindOf(int i) { return static_cast<GridKind>(i % 4); }
inline GridPlace gridPlaceOf(int i) { return {10 + (i % 10) * 110, 10 + (i / 10) * 30, 100, 24}; }
inline std::string gridCaptionOf(int i) { return "ｵﾌﾞｼﾞｪｸﾄ " + std::to_string(i); }

}  // namespace pemo::benchmarks
