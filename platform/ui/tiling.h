#pragma once
// Where the tiles of a tiled background go: the picture is painted unscaled from the
// top-left corner of the client area, row by row, over an area as large as the screen.
#include <vector>

namespace pemo::ui {

struct TileGrid {
  int columns = 0;
  int rows = 0;
  int tileWidth = 0;
  int tileHeight = 0;
  int count() const { return columns * rows; }
  bool empty() const { return count() == 0; }
};

struct TilePosition {
  int x = 0;
  int y = 0;
  bool operator==(const TilePosition&) const = default;
};

// A row ends with the first tile that reaches past the screen's width; rows go on until
// the row in which a tile reached below the screen's height is complete. When a single
// tile is wider than the screen, that row ends before the mark is seen, so one more row
// follows. A picture of zero width or height gives no tiles (it could never fill a row).
TileGrid tileGrid(int tileWidth, int tileHeight, int screenWidth, int screenHeight);

// The tiles' top-left corners in painting order (row by row, left to right).
std::vector<TilePosition> tilePositions(const TileGrid& grid);

}  // namespace pemo::ui
