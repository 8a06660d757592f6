// Level 9: a chequer of blue baubles.
#include "levels/layout_text.h"

namespace glim {

namespace {
constexpr brick_grid_t layout = layout_from_rows({
    ". . . . . . . . . . . . . . . . . . . .",  // row 0
    "5 . 5 . 5 . 5 . 5 . 5 . 5 . 5 . 5 . 5 .",  // row 1
    ". . . . . . . . . . . . . . . . . . . .",  // row 2
    ". 5 . 5 . 5 . 5 . 5 . 5 . 5 . 5 . 5 . 5",  // row 3
    ". . . . . . . . . . . . . . . . . . . .",  // row 4
    "5 . 5 . 5 . 5 . 5 . 5 . 5 . 5 . 5 . 5 .",  // row 5
    ". . . . . . . . . . . . . . . . . . . .",  // row 6
    ". 5 . 5 . 5 . 5 . . . . . 5 . 5 . 5 . 5",  // row 7
    ". . . . . . . . . . . . . . . . . . . .",  // row 8
    ". . . . . . . . . . . . . . . . . . . .",  // row 9
    ". . . . . . . . . . . . . . . . . . . .",  // row 10
    ". . . . . . . . . . . . . . . . . . . .",  // row 11
    ". . . . . . . . . . . . . . . . . . . .",  // row 12
    ". . . . . . . . . . . . . . . . . . . .",  // row 13
    ". . . . . . . . . . . . . . . . . . . .",  // row 14
});
}  // namespace

void level9(brick_grid_t& g) {
    g = layout;
}

}  // namespace glim
