// The eight steps of the game step, each on its own so that a test can run one step on a state it
// has set up. move_sprites (engine/game.h) runs them in their order; nothing else should.
#pragma once

#include <cstdint>

#include "engine/program.h"

namespace glim {

// Constants of the ball and the paddle that the steps share.
inline constexpr double ball_centre = 7;     // offset of the ball's centre column from its x
inline constexpr double ball_far_edge = 13;  // offset of its last column and bottom row
inline constexpr double paddle_band_width = 89;
inline constexpr double paddle_band_height = 11;
inline constexpr double loss_line = 380;
inline constexpr std::int32_t pause_frames = 200;
inline constexpr std::int16_t effects_need_setup = 2;

// Step 1a: the self-playing paddle puts its aim point under the ball's centre and re-aims now
// and then.
void demo_paddle(program& p);
// Step 1b: the paddle takes the cursor's screen x.
void mouse_paddle(program& p);
// Step 2: the paddle's image follows its direction, in two phases that flip every 21 frames.
void animate_paddle(program& p);
// Step 3: one frame of a pause with its sparkle, and the level change or new ball at its end.
// Returns true when the frame was a pause frame (the ball does not move).
bool pause_step(program& p);
// Step 4: the ball moves and bounces off the side walls and the top.
void move_ball(program& p);
// Step 5: looks for a brick under three corners of the ball; true when one was hit.
bool brick_probes(program& p);
// Step 6: a falling ball that meets the top of the paddle goes back up, sideways by the zone.
void paddle_bounce(program& p);
// Step 7: a ball below the loss line is lost; the last ball of a player's game ends it.
void lost_ball(program& p);
// Step 8: the sound is set up again when the effects ask for it; the sparkles animate.
void frame_end(program& p);

// The brick under a field point: false for a point outside the grid.
bool brick_at(const program& p, double px, double py);
// Points of a brick hit by the ball whose top edge is at y10: 80 near the top down to 30.
std::int32_t row_points(double y10);
// The width of the paddle's current image.
double paddle_width(const program& p);

// Reseeds the random numbers from the clock, as the game does before a new ball or a sparkle.
void reseed_from_clock(program& p);
// Int(r x n + 1) for a fresh draw r, computed exactly: a whole number from 1 to n.
std::int32_t draw_1_to(program& p, double n);

}  // namespace glim
