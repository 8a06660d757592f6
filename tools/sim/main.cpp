// glimbrook-sim: the game without a window. Each group of options lives in its own source; this
// file only hands the command line to the group its options belong to.
#include <iostream>
#include <string>
#include <vector>

#include "tools/sim/sim_game.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    bool game = args.empty();
    for (const auto& a : args) game = game || glim::is_game_option(a);
    if (game) return glim::run_game_simulation(args, std::cout, std::cerr);
    std::cerr << "usage: glimbrook-sim [options]\n" << glim::game_usage();
    return 2;
}
