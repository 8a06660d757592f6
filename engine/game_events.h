// What happened in a frame of the game, for whoever watches it (the simulator's trace, tests).
// The game calls these hooks where the events happen; a program without a watcher pays nothing.
#pragma once

#include <cstdint>
#include <string>

namespace glim {

// Why a pause began.
enum class pause_kind {
    game_start,     // init_game: the opening pause before the first ball
    ball_lost,      // the pause before the next ball
    level_cleared,  // the last brick went: sparkles over the emptied field
    new_level,      // the next level is drawn: the pause before its first ball
};

const char* to_string(pause_kind k);

class game_events {
  public:
    virtual ~game_events() = default;
    // A brick at cell (column, row) fell, worth `points` by the ball's height (scored only in a
    // player's game).
    virtual void brick_hit(std::int32_t column, std::int32_t row, std::int32_t points) {}
    virtual void ball_lost(std::int32_t balls_left) {}
    virtual void pause_start(pause_kind why) {}
    // The pause that began last has run its 200 frames.
    virtual void pause_end() {}
    virtual void level_change(std::int32_t level, double speed_factor) {}
    virtual void new_ball(double dy) {}
    // The last ball of a player's game was lost with this final score.
    virtual void game_over(double score) {}
    // A finished game's score entered the top-10 table at place `pos` with the typed name.
    virtual void top10_entry(std::int32_t pos, const std::string& name, std::int32_t value) {}
};

}  // namespace glim
