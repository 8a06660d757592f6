// Level 20: a bauble frame with a panel of every other kind.
#include "levels/layout_text.h"

namespace glim {

namespace {
constexpr brick_grid_t layout = layout_from_rows({
    "....................",  // row 0
    "99999999999999999999",  // row 1
    "9ca7g5555dd5555g7ac9",  // row 2
    "9aa8geee5dd5eeeg8aa9",  // row 3
    "9787geee5dd5eeeg7879",  // row 4
    "9ggggeee9999eeegggg9",  // row 5
    "9787g5559..9555g7879",  // row 6
    "9aa8g5f59..95f5g8aa9",  // row 7
    "9ca7g5559..9555g7ac9",  // row 8
    "999999999..999999999",  // row 9
    "....................",  // row 10
    "....................",  // row 11
    "....................",  // row 12
    "....................",  // row 13
    "....................",  // row 14
});
}  // namespace

void level20(brick_grid_t& g) {
    g = layout;
}

}  // namespace glim
