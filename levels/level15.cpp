// Level 15: a holly frame holding two hollow boxes and a bar on legs.
#include "levels/layout_text.h"

namespace glim {

namespace {
constexpr brick_grid_t layout = layout_from_rows({
    "....................",  // row 0
    "33333333333333333333",  // row 1
    "3..................3",  // row 2
    "3.33333......33333.3",  // row 3
    "3.3...3......3...3.3",  // row 4
    "3.33333.3333.33333.3",  // row 5
    "3.......3..3.......3",  // row 6
    "333333333..333333333",  // row 7
    "....................",  // row 8
    "....................",  // row 9
    "....................",  // row 10
    "....................",  // row 11
    "....................",  // row 12
    "....................",  // row 13
    "....................",  // row 14
});
}  // namespace

void level15(brick_grid_t& g) {
    g = layout;
}

}  // namespace glim
