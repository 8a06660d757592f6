#include "engine/brick_field.h"

#include <algorithm>
#include <cmath>

#include "engine/drawing.h"
#include "engine/game.h"

namespace glim {

namespace {

bool valid_cell(std::int32_t column, std::int32_t row) {
    return column >= 0 && column < grid_columns && row >= 0 && row < grid_rows;
}

void draw_cell(program& p, std::int32_t column, std::int32_t row, std::int32_t sheet_x,
               std::int32_t sheet_y) {
    draw_static(p, cell_size * column, cell_size * row, cell_size, cell_size, sheet_x, sheet_y);
}

// The sheet x of brick tile k; a k far outside the strip is held where it still names no tile.
std::int32_t tile_x(std::int64_t k) {
    k = std::clamp<std::int64_t>(k, -1, brick_tiles);
    return static_cast<std::int32_t>(cell_size * k);
}

}  // namespace

void setup_gamefield(program& p) {
    game_state& g = p.game;
    // Any other level leaves the grid as it is; it is counted and drawn again below.
    if (g.level >= 1 && g.level <= 20) build_level(g.level, g.brick_grid);
    g.bricks_total = 0;
    g.bricks_hit = 0;
    for (std::int32_t row = 0; row < grid_rows; ++row) {
        for (std::int32_t column = 0; column < grid_columns; ++column) {
            std::int32_t& v =
                g.brick_grid[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)];
            if (v == 0) {
                draw_cell(p, column, row, empty_tile_x, empty_tile_y);
            } else {
                g.bricks_total += 1;
                // A kind beyond the strip would name sheet pixels that do not exist; the copy
                // clips them away, so such a cell simply stays as it was drawn before.
                draw_cell(p, column, row, tile_x(static_cast<std::int64_t>(v) - 1), brick_strip_y);
                v = 1;
            }
        }
    }
    show_score(p, 0);
}

void clear_char(program& p, std::int32_t column, std::int32_t row, std::int32_t) {
    if (!valid_cell(column, row)) return;
    draw_cell(p, column, row, empty_tile_x, empty_tile_y);
    p.game.brick_grid[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)] = 0;
}

void char_bitmap(program& p, double x, double) {
    // Probe points lie on the field; a point far outside it is held where the sum still fits.
    double column = std::clamp(std::floor(x / cell_size), -1e7, 1e7);
    if (std::isnan(column)) column = 0;
    p.game.cell_left = cell_size * static_cast<std::int32_t>(column);
    p.game.cell_right = p.game.cell_left + 31;
}

void plot_char(program& p, std::int32_t column, std::int32_t row, std::int32_t k) {
    if (!valid_cell(column, row)) return;
    draw_cell(p, column, row, tile_x(k), brick_strip_y);
    p.game.brick_grid[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)] = k + 1;
}

void setup_gameover(program&) {}

}  // namespace glim
