// The simulator's game runs: the demonstration, or a player's game whose mouse follows a simple
// plan, for a number of frames with a fixed seed and clock, printing one line per game event and
// a final state line, and optionally writing the screen as a picture.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace glim {

// True for the options that belong to a game run (--frames, --seed, --player, ...).
bool is_game_option(std::string_view arg);

// Runs the game with the options of args (the program name not included). Returns the exit
// status: 0, or 2 for options it cannot read (with a message on err).
int run_game_simulation(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The usage lines of the game options.
const char* game_usage();

}  // namespace glim
