// Level 2: two holly-framed silver boxes with a Santa letter between them.
#include "levels/layout_text.h"

namespace glim {

namespace {
constexpr brick_grid_t layout = layout_from_rows({
    ". . . . . . . . . . . . . . . . . . . .",  // row 0
    ". . . . . . . . . . . . . . . . . . . .",  // row 1
    ". . 3 8 3 8 3 . . d d . . 3 8 3 8 3 . .",  // row 2
    ". . 8 a a a 8 . d e e d . 8 a a a 8 . .",  // row 3
    ". . 3 a a a 3 . d e e d . 3 a a a 3 . .",  // row 4
    ". . 8 3 8 3 8 . . d d . . 8 3 8 3 8 . .",  // row 5
    ". . . . . . . . . . . . . . . . . . . .",  // row 6
    ". . a a a a a . . . . . . a a a a a . .",  // row 7
    ". . . . . . . . . . . . . . . . . . . .",  // row 8
    ". . . . . . . . . . . . . . . . . . . .",  // row 9
    ". . . . . . . . . . . . . . . . . . . .",  // row 10
    ". . . . . . . . . . . . . . . . . . . .",  // row 11
    ". . . . . . . . . . . . . . . . . . . .",  // row 12
    ". . . . . . . . . . . . . . . . . . . .",  // row 13
    ". . . . . . . . . . . . . . . . . . . .",  // row 14
});
}  // namespace

void level2(brick_grid_t& g) {
    g = layout;
}

}  // namespace glim
