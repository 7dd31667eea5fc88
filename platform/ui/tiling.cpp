#include "platform/ui/tiling.h"

#include <cstddef>

namespace pemo::ui {

TileGrid tileGrid(int tileWidth, int tileHeight, int screenWidth, int screenHeight) {
  TileGrid grid;
  if (tileWidth <= 0 || tileHeight <= 0) return grid;
  grid.tileWidth = tileWidth;
  grid.tileHeight = tileHeight;
  // Column c ends its row when (c + 1) * w > screen width.
  grid.columns = (screenWidth < 0 ? 0 : screenWidth / tileWidth) + 1;
  // Row r carries the last-row mark when (r + 1) * h > screen height. The mark is set
  // after the row-end test of the same tile, so a row of one tile cannot end on it.
  const int markedRow = (screenHeight < 0 ? 0 : screenHeight / tileHeight);
  grid.rows = markedRow + (grid.columns == 1 ? 2 : 1);
  return grid;
}

std::vector<TilePosition> tilePositions(const TileGrid& grid) {
  std::vector<TilePosition> tiles;
  tiles.reserve(static_cast<std::size_t>(grid.count()));
  for (int r = 0; r < grid.rows; ++r)
    for (int c = 0; c < grid.columns; ++c) tiles.push_back({c * grid.tileWidth, r * grid.tileHeight});
  return tiles;
}

}  // namespace pemo::ui
