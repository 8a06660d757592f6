// A headless stand-in for the saver's frame loop, for the simulator and the tests: one frame is
// drawn exactly as the loop draws it, the clock moves on by the frame's time, and a player can
// take over between frames. Input, the activity count and the music stay with the real loop.
#pragma once

#include "engine/program.h"

namespace glim {

// One frame: erase the sprites, the game step, draw the sprites, copy the changed rectangles to
// the window; then the pacing wait (events processed at least once, until frame_delay has
// passed) and the full repaint of the field that a closing prompt asks for.
void run_frame(program& p);

// What the seventh counted mouse movement of the demonstration does: a player's game starts
// between two frames.
void take_over(program& p);

}  // namespace glim
