// Level 4: a line of standing reindeer over two blocks of snowman heads.
#include "levels/layout_text.h"

namespace glim {

namespace {
constexpr brick_grid_t layout = layout_from_rows({
    ". . . . . . . . . . . . . . . . . . . .",  // row 0
    ". . . . . . . . . . . . . . . . . . . .",  // row 1
    "c c c c c c c c c c c c c c c c c c c c",  // row 2
    ". . . . . . . . . . . . . . . . . . . .",  // row 3
    ". f f f f f f . . . . . . f f f f f f .",  // row 4
    ". f f f f f f . . . . . . f f f f f f .",  // row 5
    ". f f f f f f . . . . . . f f f f f f .",  // row 6
    ". f f f f f f . . . . . . f f f f f f .",  // row 7
    ". . . . . . . . . . . . . . . . . . . .",  // row 8
    ". . . . . . . . . . . . . . . . . . . .",  // row 9
    ". . . . . . . . . . . . . . . . . . . .",  // row 10
    ". . . . . . . . . . . . . . . . . . . .",  // row 11
    ". . . . . . . . . . . . . . . . . . . .",  // row 12
    ". . . . . . . . . . . . . . . . . . . .",  // row 13
    ". . . . . . . . . . . . . . . . . . . .",  // row 14
});
}  // namespace

void level4(brick_grid_t& g) {
    g = layout;
}

}  // namespace glim
