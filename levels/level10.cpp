// Level 10: rows of trees with presents, in pairs.
#include "levels/layout_text.h"

namespace glim {

namespace {
constexpr brick_grid_t layout = layout_from_rows({
    ". . . . . . . . . . . . . . . . . . . .",  // row 0
    ". . b b . b b . b b . b b . b b . b b .",  // row 1
    ". . b b . b b . b b . b b . b b . b b .",  // row 2
    ". . . . . . . . . . . . . . . . . . . .",  // row 3
    ". . b b . b b . b b . b b . b b . b b .",  // row 4
    ". . b b . b b . b b . b b . b b . b b .",  // row 5
    ". . . . . . . . . . . . . . . . . . . .",  // row 6
    ". b b b b . b b . . . . b b . b b b b .",  // row 7
    ". . . . . . . . . . . . . . . . . . . .",  // row 8
    ". . . . . . . . . . . . . . . . . . . .",  // row 9
    ". . . . . . . . . . . . . . . . . . . .",  // row 10
    ". . . . . . . . . . . . . . . . . . . .",  // row 11
    ". . . . . . . . . . . . . . . . . . . .",  // row 12
    ". . . . . . . . . . . . . . . . . . . .",  // row 13
    ". . . . . . . . . . . . . . . . . . . .",  // row 14
});
}  // namespace

void level10(brick_grid_t& g) {
    g = layout;
}

}  // namespace glim
