// The game step and what it calls: starting a game, moving everything once per frame, the
// self-playing paddle's aim, new balls, brick hits and scoring, and the top-10 entry.
#pragma once

#include "engine/program.h"

namespace glim {

// Starts a game with the current options: level 1, score 0, three balls, a 200-frame pause.
void init_game(program& p);
// One frame of the game: paddle, pause or ball, walls, bricks, paddle bounce, lost ball, frame end.
void move_sprites(program& p);
// Fills aim_table from the width of the paddle's current image.
void init_aim_table(program& p);
// Puts a new ball in play at the middle of the field, falling straight down.
void reset_ball(program& p);
// Scores, counts and celebrates one brick hit.
void hit_target(program& p);
// Counts a hit brick and ends the level when it was the last one.
void do_target(program& p);
// Throws up to three sparkles around the ball.
void do_star(program& p);
// Adds points to the score of a player's game and draws it.
void show_score(program& p, double points);
// Draws the balls-left icons of a player's game.
void show_balls(program& p);
// Enters the score of a finished player's game into the top-10 table.
void check_highscore(program& p);
// Negates the sideways or the vertical speed of a slot (rounded halves to even).
void reverse_hdir(program& p, double slot);
void reverse_vdir(program& p, double slot);

}  // namespace glim
