// Screen transitions and the display's colour depth; nothing in the saver calls them.
#pragma once

#include <cstdint>

#include "engine/program.h"

namespace glim {

// Copies source onto destination over (0, 0) to (screen_w, screen_h) in the pattern of the
// effect: 1 random blocks, 2 horizontal lines from both edges, 3 vertical lines from both edges,
// 10 slide down; any other number copies nothing.
void blit_effect(program& p, const surface& source, paint_target& destination, std::int32_t effect);
// Does nothing.
void handle_picture_rotation(program& p);
// 2 to the power of bits per pixel times planes of the window.
double get_numberofcolors(program& p);

}  // namespace glim
