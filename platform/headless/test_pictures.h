// Pictures of our own for headless runs when the real ones are missing, and for tests that must
// not depend on the artwork: every region of the sprite sheet where the game expects it, each
// tile and digit in its own colours, black wherever the game relies on black.
#pragma once

#include "engine/surface.h"

namespace glim {

// A 640 x 165 sprite sheet with the game's regions.
surface make_test_sheet();
// A 640 x 480 backdrop: a dark gradient with a faint grid.
surface make_test_backdrop();

}  // namespace glim
