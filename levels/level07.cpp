// Level 7: a chain of greeting-card rings, some with Santa inside.
#include "levels/layout_text.h"

namespace glim {

namespace {
constexpr brick_grid_t layout = layout_from_rows({
    ". . . . . . . . . . . . . . . . . . . .",  // row 0
    ". . . i i . . . . i i . . . . i i . . .",  // row 1
    ". . i . . i . . i . . i . . i . . i . .",  // row 2
    ". . i . e i . . i . e i . . i . e i . .",  // row 3
    ". . . i i . . . . i i . . . . i i . . .",  // row 4
    ". . . . . . i i . . . . i i . . . . . .",  // row 5
    ". . . . . i . . i . . i . . i . . . . .",  // row 6
    ". . . . . i . e i . . i . e i . . . . .",  // row 7
    ". . . . . . i i . . . . i i . . . . . .",  // row 8
    ". . . . . . . . . . . . . . . . . . . .",  // row 9
    ". . . . . . . . . . . . . . . . . . . .",  // row 10
    ". . . . . . . . . . . . . . . . . . . .",  // row 11
    ". . . . . . . . . . . . . . . . . . . .",  // row 12
    ". . . . . . . . . . . . . . . . . . . .",  // row 13
    ". . . . . . . . . . . . . . . . . . . .",  // row 14
});
}  // namespace

void level7(brick_grid_t& g) {
    g = layout;
}

}  // namespace glim
