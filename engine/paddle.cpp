// The paddle: the self-playing aim, the mouse, the two-phase animation and the aim table.
#include <cmath>

#include "engine/game.h"
#include "engine/game_steps.h"
#include "engine/sprites.h"
#include "shell/numbers.h"

namespace glim {

double paddle_width(const program& p) {
    return slot_image_box(p.sprites, paddle_slot).width;
}

std::int32_t draw_1_to(program& p, double n) {
    return vb_int(static_cast<double>(p.rnd.next()) * n + 1);
}

void reseed_from_clock(program& p) {
    p.rnd.reseed(static_cast<std::uint32_t>(p.clock.get_time()));
}

void demo_paddle(program& p) {
    auto& s = p.sprites;
    auto& g = p.game;
    double& x1 = s.sprite_x[paddle_slot];
    const double w = paddle_width(p);

    // The aim point lands under the ball's centre in one frame, however far away it was.
    s.sprite_dx[paddle_slot] = 0;
    const double a = x1 + g.aim_offset;
    const double b = s.sprite_x[ball_slot] + ball_centre;
    if (a < b)
        s.sprite_dx[paddle_slot] = std::fabs(b - a);
    else if (a > b)
        s.sprite_dx[paddle_slot] = -std::fabs(b - a);
    x1 += s.sprite_dx[paddle_slot];

    if (x1 < s.field_left) x1 = s.field_left;
    if (x1 + w > s.field_right) x1 = s.field_right - w;

    // Now and then the paddle aims with another of its nine points, so the ball's path varies.
    g.aim_timer -= 1;
    if (g.aim_timer == 0) {
        const std::int32_t k = draw_1_to(p, 9);
        g.aim_offset = round_even(g.aim_table[static_cast<std::size_t>(k)]);
        g.aim_timer = draw_1_to(p, 100) + 800;
    }
}

void mouse_paddle(program& p) {
    auto& s = p.sprites;
    double& x1 = s.sprite_x[paddle_slot];
    const double w = paddle_width(p);

    // A failed reading keeps the last position. The cursor's screen x is taken as the field x.
    p.cursor.get_cursor_pos(p.game.cursor_pos);
    x1 = p.game.cursor_pos.x;
    if (x1 + w > s.field_right) x1 = s.field_right - w;
    if (x1 < s.field_left) x1 = s.field_left;
}

void animate_paddle(program& p) {
    auto& s = p.sprites;
    auto& g = p.game;
    const double x1 = s.sprite_x[paddle_slot];

    g.paddle_anim_count += 1;
    if (g.paddle_anim_count > 20) {
        g.paddle_anim_count = 0;
        g.paddle_anim_phase = static_cast<std::int16_t>(g.paddle_anim_phase ^ 1);
    }
    // A standing paddle keeps its image; images 1-2 face right, 3-4 face left.
    if (x1 != g.paddle_last_x) {
        if (x1 > g.paddle_last_x)
            s.sprite_image[paddle_slot] = 1 + g.paddle_anim_phase;
        else
            s.sprite_image[paddle_slot] = 3 + g.paddle_anim_phase;
        g.paddle_last_x = x1;
    }
}

void init_aim_table(program& p) {
    const double s = paddle_width(p) / 8;
    auto& t = p.game.aim_table;
    t[1] = 0;
    for (std::size_t i = 2; i <= 9; ++i) t[i] = static_cast<double>(i - 1) * s;
}

}  // namespace glim
