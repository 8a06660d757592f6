// Level 14: three squares of baubles between two columns of candy canes.
#include "levels/layout_text.h"

namespace glim {

namespace {
constexpr brick_grid_t layout = layout_from_rows({
    "....................",  // row 0
    "7..................7",  // row 1
    "7..9999.9999.9999..7",  // row 2
    "7..9559.9559.9559..7",  // row 3
    "7..9559.9559.9559..7",  // row 4
    "7..9999.9999.9999..7",  // row 5
    "7..................7",  // row 6
    "7..................7",  // row 7
    "....................",  // row 8
    "....................",  // row 9
    "....................",  // row 10
    "....................",  // row 11
    "....................",  // row 12
    "....................",  // row 13
    "....................",  // row 14
});
}  // namespace

void level14(brick_grid_t& g) {
    g = layout;
}

}  // namespace glim
