// glimbrook-sim: the game without a window. Each group of options lives in its own source; this
// file only hands the command line to the group its options belong to.
#include <iostream>
#include <string>
#include <vector>

#include "tools/sim/sim_field.h"
#include "tools/sim/sim_game.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    // --image belongs to both groups; --layout or --field decides for the field pictures.
    bool field = false, game = args.empty();
    for (const auto& a : args) {
        field = field || glim::is_field_option(a);
        game = game || glim::is_game_option(a);
    }
    if (field) return glim::run_field_tool(args, std::cout, std::cerr);
    if (game) return glim::run_game_simulation(args, std::cout, std::cerr);
    std::cerr << "usage: glimbrook-sim [options]\n" << glim::field_usage() << glim::game_usage();
    return 2;
}
