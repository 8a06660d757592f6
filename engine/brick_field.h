// The brick field: building a level's grid, drawing its cells, removing a hit brick and telling
// the game which cell edges the last hit had.
#pragma once

#include <cstdint>

#include "engine/program.h"

namespace glim {

// Sheet places of the cell pictures.
inline constexpr std::int32_t empty_tile_x = 384;
inline constexpr std::int32_t empty_tile_y = 0;
inline constexpr std::int32_t brick_strip_y = 128;
inline constexpr std::int32_t brick_tiles = 20;

// Fills brick_grid with the layout of `level`, counts and draws every cell, turns every brick into
// a plain 1, then shows the score with 0 points.
void setup_gamefield(program& p);
// Draws the empty tile over cell (column, row) and empties it. The third value has no effect.
void clear_char(program& p, std::int32_t column, std::int32_t row, std::int32_t unused = 0);
// Sets cell_left and cell_right to the edges of the cell column that holds field x.
void char_bitmap(program& p, double x, double y);
// Draws brick tile k at cell (column, row) and sets the cell to k + 1.
void plot_char(program& p, std::int32_t column, std::int32_t row, std::int32_t k);
// Does nothing.
void setup_gameover(program& p);

}  // namespace glim
