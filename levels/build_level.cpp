#include "levels/levels.h"

#include <array>

namespace glim {

bool build_level(int n, brick_grid_t& g) {
    using layout_fn = void (*)(brick_grid_t&);
    static constexpr std::array<layout_fn, 20> layouts = {
        level1,  level2,  level3,  level4,  level5,  level6,  level7,  level8,  level9,  level10,
        level11, level12, level13, level14, level15, level16, level17, level18, level19, level20,
    };
    // Any other level number leaves the grid as it is, so the caller counts the old field again.
    if (n < 1 || n > static_cast<int>(layouts.size())) return false;
    layouts[static_cast<std::size_t>(n - 1)](g);
    return true;
}

}  // namespace glim
