// Level 17: two Santa diamonds edged with gift boxes, a bauble block between them.
#include "levels/layout_text.h"

namespace glim {

namespace {
constexpr brick_grid_t layout = layout_from_rows({
    "....................",  // row 0
    "..aa............aa..",  // row 1
    ".aeea...5555...aeea.",  // row 2
    "aeeeea55555555aeeeea",  // row 3
    "aeeeea55555555aeeeea",  // row 4
    ".aeea...5555...aeea.",  // row 5
    "..aa............aa..",  // row 6
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

void level17(brick_grid_t& g) {
    g = layout;
}

}  // namespace glim
