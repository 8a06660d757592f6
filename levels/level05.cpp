// Level 5: a big snowman block in the middle with zigzag columns at both sides.
#include "levels/layout_text.h"

namespace glim {

namespace {
constexpr brick_grid_t layout = layout_from_rows({
    ". . . . . . . . . . . . . . . . . . . .",  // row 0
    ". . . . . . . . . . . . . . . . . . . .",  // row 1
    ". . . . . . . g g g g g g . . . . . . .",  // row 2
    "g g g g . . g g g g g g g g . . g g g g",  // row 3
    ". g g g g . g g g g g g g g . g g g g .",  // row 4
    "g g g g . . . g g g g g g . . . g g g g",  // row 5
    ". g g g g . . . . . . . . . . g g g g .",  // row 6
    "g g g g . . . . . . . . . . . . g g g g",  // row 7
    ". . . . . . . . . . . . . . . . . . . .",  // row 8
    ". . . . . . . . . . . . . . . . . . . .",  // row 9
    ". . . . . . . . . . . . . . . . . . . .",  // row 10
    ". . . . . . . . . . . . . . . . . . . .",  // row 11
    ". . . . . . . . . . . . . . . . . . . .",  // row 12
    ". . . . . . . . . . . . . . . . . . . .",  // row 13
    ". . . . . . . . . . . . . . . . . . . .",  // row 14
});
}  // namespace

void level5(brick_grid_t& g) {
    g = layout;
}

}  // namespace glim
