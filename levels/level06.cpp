// Level 6: three blocks of top-hat snowmen with pairs above and below.
#include "levels/layout_text.h"

namespace glim {

namespace {
constexpr brick_grid_t layout = layout_from_rows({
    ". . . . . . . . . . . . . . . . . . . .",  // row 0
    ". h h . h h . h h . . h h . h h . h h .",  // row 1
    ". . . . . . . . . . . . . . . . . . . .",  // row 2
    ". h h h h h . h h h h h h . h h h h h .",  // row 3
    ". h h h h h . h h h h h h . h h h h h .",  // row 4
    ". h h h h h . h h h h h h . h h h h h .",  // row 5
    ". h h h h h . h h h h h h . h h h h h .",  // row 6
    ". . . . . . . . . . . . . . . . . . . .",  // row 7
    ". h h . h h . . . . . . . . h h . h h .",  // row 8
    ". . . . . . . . . . . . . . . . . . . .",  // row 9
    ". . . . . . . . . . . . . . . . . . . .",  // row 10
    ". . . . . . . . . . . . . . . . . . . .",  // row 11
    ". . . . . . . . . . . . . . . . . . . .",  // row 12
    ". . . . . . . . . . . . . . . . . . . .",  // row 13
    ". . . . . . . . . . . . . . . . . . . .",  // row 14
});
}  // namespace

void level6(brick_grid_t& g) {
    g = layout;
}

}  // namespace glim
