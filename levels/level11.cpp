// Level 11: a full row of Santa faces over a solid block of three more.
#include "levels/layout_text.h"

namespace glim {

namespace {
constexpr brick_grid_t layout = layout_from_rows({
    "....................",  // row 0
    "eeeeeeeeeeeeeeeeeeee",  // row 1
    "....................",  // row 2
    "eeeeeeeeeeeeeeeeeeee",  // row 3
    "eeeeeeeeeeeeeeeeeeee",  // row 4
    "eeeeeeeeeeeeeeeeeeee",  // row 5
    "....................",  // row 6
    "....................",  // row 7
    "....................",  // row 8
    "....................",  // row 9
    "....................",  // row 10
    "....................",  // row 11
    "....................",  // row 12
    "....................",  // row 13
    "....................",  // row 14
});
}  // namespace

void level11(brick_grid_t& g) {
    g = layout;
}

}  // namespace glim
