// The twenty fixed brick layouts. Each writes one value into every cell of the grid: 0 for an
// empty cell or a brick kind from 1 to 18, which only chooses the brick's picture.
#pragma once

#include <array>
#include <cstdint>

namespace glim {

inline constexpr int grid_columns = 20;
inline constexpr int grid_rows = 15;

// brick_grid[column][row]; cell (c, r) is the 32 x 32 square at (32c, 32r) of the field.
using brick_grid_t = std::array<std::array<std::int32_t, grid_rows>, grid_columns>;

void level1(brick_grid_t& g);
void level2(brick_grid_t& g);
void level3(brick_grid_t& g);
void level4(brick_grid_t& g);
void level5(brick_grid_t& g);
void level6(brick_grid_t& g);
void level7(brick_grid_t& g);
void level8(brick_grid_t& g);
void level9(brick_grid_t& g);
void level10(brick_grid_t& g);
void level11(brick_grid_t& g);
void level12(brick_grid_t& g);
void level13(brick_grid_t& g);
void level14(brick_grid_t& g);
void level15(brick_grid_t& g);
void level16(brick_grid_t& g);
void level17(brick_grid_t& g);
void level18(brick_grid_t& g);
void level19(brick_grid_t& g);
void level20(brick_grid_t& g);

// Calls the layout of level n (1 to 20); any other n writes nothing and returns false.
bool build_level(int n, brick_grid_t& g);

}  // namespace glim
