// Level 16: three rows of the two candy canes in turn.
#include "levels/layout_text.h"

namespace glim {

namespace {
constexpr brick_grid_t layout = layout_from_rows({
    "....................",  // row 0
    "....................",  // row 1
    "78787878787878787878",  // row 2
    "....................",  // row 3
    "87878787878787878787",  // row 4
    "....................",  // row 5
    "78787878787878787878",  // row 6
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

void level16(brick_grid_t& g) {
    g = layout;
}

}  // namespace glim
