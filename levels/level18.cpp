// Level 18: a row of baubles over two holly-and-cane wreaths.
#include "levels/layout_text.h"

namespace glim {

namespace {
constexpr brick_grid_t layout = layout_from_rows({
    "....................",  // row 0
    "55555555555555555555",  // row 1
    "...33..........33...",  // row 2
    "55377355555555377355",  // row 3
    ".373373......373373.",  // row 4
    "53733735555553733735",  // row 5
    "..3773........3773..",  // row 6
    "555335555..555533555",  // row 7
    "....................",  // row 8
    "....................",  // row 9
    "....................",  // row 10
    "....................",  // row 11
    "....................",  // row 12
    "....................",  // row 13
    "....................",  // row 14
});
}  // namespace

void level18(brick_grid_t& g) {
    g = layout;
}

}  // namespace glim
