// Level 13: two gift-box blocks, each with a Santa face in a hollow.
#include "levels/layout_text.h"

namespace glim {

namespace {
constexpr brick_grid_t layout = layout_from_rows({
    "....................",  // row 0
    "aaaaaaaaa..aaaaaaaaa",  // row 1
    "aaaaaaaaa..aaaaaaaaa",  // row 2
    "aaa...aaa..aaa...aaa",  // row 3
    "aaa.e.aaa..aaa.e.aaa",  // row 4
    "aaa...aaa..aaa...aaa",  // row 5
    "aaaaaaaaa..aaaaaaaaa",  // row 6
    "aaaaaaaaa..aaaaaaaaa",  // row 7
    "....................",  // row 8
    "....................",  // row 9
    "....................",  // row 10
    "....................",  // row 11
    "....................",  // row 12
    "....................",  // row 13
    "....................",  // row 14
});
}  // namespace

void level13(brick_grid_t& g) {
    g = layout;
}

}  // namespace glim
