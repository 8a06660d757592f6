// Level 3: two red-bauble wreaths round reindeer faces, a ring with candy canes between them.
#include "levels/layout_text.h"

namespace glim {

namespace {
constexpr brick_grid_t layout = layout_from_rows({
    ". . . . . . . . . . . . . . . . . . . .",  // row 0
    ". . . . . . . . . . . . . . . . . . . .",  // row 1
    ". . 9 9 9 . . . . 9 9 . . . . 9 9 9 . .",  // row 2
    ". 9 9 2 9 9 . . 9 8 8 9 . . 9 9 2 9 9 .",  // row 3
    ". 9 2 1 2 9 . . 9 8 8 9 . . 9 2 1 2 9 .",  // row 4
    ". 9 9 2 9 9 . . . 9 9 . . . 9 9 2 9 9 .",  // row 5
    ". . 9 9 9 . . . . . . . . . . 9 9 9 . .",  // row 6
    ". . . . . . . . . . . . . . . . . . . .",  // row 7
    ". . . . . . . . . . . . . . . . . . . .",  // row 8
    ". . . . . . . . . . . . . . . . . . . .",  // row 9
    ". . . . . . . . . . . . . . . . . . . .",  // row 10
    ". . . . . . . . . . . . . . . . . . . .",  // row 11
    ". . . . . . . . . . . . . . . . . . . .",  // row 12
    ". . . . . . . . . . . . . . . . . . . .",  // row 13
    ". . . . . . . . . . . . . . . . . . . .",  // row 14
});
}  // namespace

void level3(brick_grid_t& g) {
    g = layout;
}

}  // namespace glim
