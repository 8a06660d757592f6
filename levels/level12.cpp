// Level 12: snowman slopes down both sides, a wedge at the top and two pyramids.
#include "levels/layout_text.h"

namespace glim {

namespace {
constexpr brick_grid_t layout = layout_from_rows({
    "....................",  // row 0
    "gggggg.gggggg.gggggg",  // row 1
    "ggggg...gggg...ggggg",  // row 2
    "gggg.....gg.....gggg",  // row 3
    "ggg..g.......g...ggg",  // row 4
    "gg..ggg.....ggg...gg",  // row 5
    "g..ggggg...ggggg...g",  // row 6
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

void level12(brick_grid_t& g) {
    g = layout;
}

}  // namespace glim
