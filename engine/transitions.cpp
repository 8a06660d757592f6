#include "engine/transitions.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/game_steps.h"
#include "shell/numbers.h"
#include "shell/system_helpers.h"

namespace glim {

namespace {

constexpr std::int32_t blocks_across = 40;
constexpr std::int32_t block_count = blocks_across * blocks_across;

// Random blocks: the screen cut into 40 x 40 blocks, each one pixel larger than its step so that
// neighbours overlap or touch, copied in a shuffled order.
void random_blocks(program& p, const surface& source, paint_target& destination) {
    const double w = p.run.screen_w / 40.0, h = p.run.screen_h / 40.0;
    struct corner {
        double x, y;
    };
    std::array<corner, block_count + 1> blocks{};  // entries 1 to 1600
    for (std::int32_t r = 0; r < blocks_across; ++r)
        for (std::int32_t c = 0; c < blocks_across; ++c)
            blocks[static_cast<std::size_t>(blocks_across * r + c + 1)] = {c * w, r * h};
    for (std::int32_t k = 1; k <= block_count; ++k) {
        double q = p.rnd.next();
        std::int32_t j = std::clamp(vb_int(block_count * q + 1), 1, block_count);
        std::swap(blocks[static_cast<std::size_t>(k)], blocks[static_cast<std::size_t>(j)]);
    }
    const std::int32_t bw = round_even(w + 1), bh = round_even(h + 1);
    for (std::int32_t k = 1; k <= block_count; ++k) {
        const corner& b = blocks[static_cast<std::size_t>(k)];
        std::int32_t x = round_even(b.x), y = round_even(b.y);
        destination.blit(x, y, bw, bh, source, x, y, srccopy);
        wait_ms(p.sys, 2);
    }
}

}  // namespace

void blit_effect(program& p, const surface& source, paint_target& destination,
                 std::int32_t effect) {
    reseed_from_clock(p);
    const std::int32_t sw = p.run.screen_w, sh = p.run.screen_h;
    switch (effect) {
    case 1: random_blocks(p, source, destination); break;
    case 2:  // rows from the top down and from the bottom up, two per step
        for (std::int32_t i = 0; i <= sh; i += 2) {
            destination.blit(0, i, sw, 1, source, 0, i, srccopy);
            destination.blit(0, sh - 1 - i, sw, 1, source, 0, sh - 1 - i, srccopy);
            wait_ms(p.sys, 8);
        }
        break;
    case 3:  // columns from the left and from the right, two per step
        for (std::int32_t i = 0; i <= sw; i += 2) {
            destination.blit(i, 0, 1, sh, source, i, 0, srccopy);
            destination.blit(sw - 1 - i, 0, 1, sh, source, sw - 1 - i, 0, srccopy);
            wait_ms(p.sys, 5);
        }
        break;
    case 10:  // the new picture pushes the old one down and out, a row per step
        for (std::int32_t i = 0; i <= sh; ++i) {
            destination.blit_within(0, i + 1, sw, sh - i, 0, i);
            destination.blit(0, i, sw, 1, source, 0, i, srccopy);
            wait_ms(p.sys, 4);
        }
        break;
    default: break;
    }
}

void handle_picture_rotation(program&) {}

double get_numberofcolors(program& p) {
    std::int16_t bits = wrap16(p.window.get_device_caps(window_port::bitspixel));
    std::int16_t planes = wrap16(p.window.get_device_caps(window_port::planes));
    return std::pow(2.0, static_cast<double>(bits) * planes);
}

}  // namespace glim
