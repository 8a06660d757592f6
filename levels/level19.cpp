// Level 19: chequered gift-box triangles, a gift-box wedge and two holly diagonals.
#include "levels/layout_text.h"

namespace glim {

namespace {
constexpr brick_grid_t layout = layout_from_rows({
    "....................",  // row 0
    "2......222222......2",  // row 1
    ".2..3...2222...3..2.",  // row 2
    "2.2..3...22...3..2.2",  // row 3
    ".2.2..3......3..2.2.",  // row 4
    "2.2.2..3....3..2.2.2",  // row 5
    ".2.2.2........2.2.2.",  // row 6
    "2.2.2.2......2.2.2.2",  // row 7
    "....................",  // row 8
    "....................",  // row 9
    "....................",  // row 10
    "....................",  // row 11
    "....................",  // row 12
    "....................",  // row 13
    "....................",  // row 14
});
}  // namespace

void level19(brick_grid_t& g) {
    g = layout;
}

}  // namespace glim
