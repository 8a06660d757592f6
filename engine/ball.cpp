// The ball: its move with the walls, the brick probes with their corner rule, the paddle bounce
// and the lost ball.
#include <array>

#include "engine/brick_field.h"
#include "engine/drawing.h"
#include "engine/game.h"
#include "engine/game_events.h"
#include "engine/game_steps.h"
#include "engine/sprites.h"
#include "shell/numbers.h"

namespace glim {

namespace {

// Slot numbers arrive as numbers; one outside the table changes nothing.
double* slot_speed(std::array<double, sprite_slots>& speeds, double slot) {
    const auto s = to_int32_checked(slot);
    if (!s || *s < 0 || *s >= sprite_slots) return nullptr;
    return &speeds[static_cast<std::size_t>(*s)];
}

enum class reversal { vertical, horizontal, corner };

struct probe {
    double px, py;
    reversal rev;
};

}  // namespace

void reverse_hdir(program& p, double slot) {
    if (double* v = slot_speed(p.sprites.sprite_dx, slot)) *v = -*v;
}

void reverse_vdir(program& p, double slot) {
    if (double* v = slot_speed(p.sprites.sprite_dy, slot)) *v = -*v;
}

bool brick_at(const program& p, double px, double py) {
    // Only at 87 pixels a frame and more can a probe leave the grid; no brick lies out there.
    if (!(px >= 0 && px < grid_columns * cell_size && py >= 0 && py < grid_rows * cell_size))
        return false;
    const auto c = static_cast<std::size_t>(vb_int(px / cell_size));
    const auto r = static_cast<std::size_t>(vb_int(py / cell_size));
    return p.game.brick_grid[c][r] != 0;
}

void move_ball(program& p) {
    auto& s = p.sprites;
    double& x = s.sprite_x[ball_slot];
    double& y = s.sprite_y[ball_slot];
    double& dx = s.sprite_dx[ball_slot];
    double& dy = s.sprite_dy[ball_slot];

    x += dx;
    y += dy;
    // A bounce takes the ball back to where it was before this frame's move.
    if (x < s.field_left || x + ball_far_edge > s.field_right) {
        dx = -dx;
        x += dx;
        p.sound.do_soundfx(1, 15000, -100);
    }
    if (y < 1) {
        dy = -dy;
        y += dy;
        p.sound.do_soundfx(1, 15000, -100);
    }
}

bool brick_probes(program& p) {
    auto& s = p.sprites;
    const double x = s.sprite_x[ball_slot];
    const double y = s.sprite_y[ball_slot];
    const bool up = s.sprite_dy[ball_slot] < 0;
    const bool left = s.sprite_dx[ball_slot] < 0;
    const double l = x, r = x + ball_far_edge, t = y, b = y + ball_far_edge;

    // Probe 1 is the other corner of the leading top or bottom edge, probe 2 the other corner
    // of the leading side, probe 3 the leading corner itself.
    std::array<probe, 3> probes;
    if (up && left)
        probes = {
            {{r, t, reversal::vertical}, {l, b, reversal::horizontal}, {l, t, reversal::corner}}};
    else if (up)
        probes = {
            {{l, t, reversal::vertical}, {r, b, reversal::horizontal}, {r, t, reversal::corner}}};
    else if (left)
        probes = {
            {{r, b, reversal::vertical}, {l, t, reversal::horizontal}, {l, b, reversal::corner}}};
    else
        probes = {
            {{l, b, reversal::vertical}, {r, t, reversal::horizontal}, {r, b, reversal::corner}}};

    for (const probe& pr : probes) {
        if (!brick_at(p, pr.px, pr.py)) continue;
        const std::int32_t c = vb_int(pr.px / cell_size);
        const std::int32_t row = vb_int(pr.py / cell_size);
        clear_char(p, c, row, 0);
        char_bitmap(p, pr.px, pr.py);
        bool vertical = pr.rev == reversal::vertical;
        if (pr.rev == reversal::corner) {
            // Both directions compare the ball's left edge with the cell; they are not mirror
            // images: moving left turns sideways only within the cell's last pixel column.
            vertical = left ? x < p.game.cell_right : x > p.game.cell_left;
        }
        if (vertical)
            reverse_vdir(p, ball_slot);
        else
            reverse_hdir(p, ball_slot);
        if (p.events) p.events->brick_hit(c, row, 5 * row_points(y));
        hit_target(p);
        return true;
    }
    return false;
}

void paddle_bounce(program& p) {
    auto& s = p.sprites;
    auto& g = p.game;
    double& x10 = s.sprite_x[ball_slot];
    double& y10 = s.sprite_y[ball_slot];
    double& dy = s.sprite_dy[ball_slot];
    const double x1 = s.sprite_x[paddle_slot];
    const double y1 = s.sprite_y[paddle_slot];

    if (!(dy > 0)) return;
    const double bottom = y10 + ball_far_edge;
    if (!(bottom > y1 && bottom < y1 + paddle_band_height)) return;
    if (!(x10 + ball_far_edge > x1 && x10 < x1 + paddle_band_width)) return;

    dy = -dy;
    y10 += dy;

    // Eight zones across the paddle image: steeper towards the ends; the exact middle keeps the
    // previous bounce's speed.
    const double z = paddle_width(p) / 8;
    const double c = x10 + ball_centre;
    const double sf = g.speed_factor;
    if (c < x1 + z)
        g.paddle_dx = -3 * sf;
    else if (c < x1 + 2 * z)
        g.paddle_dx = -2 * sf;
    else if (c < x1 + 3 * z)
        g.paddle_dx = -1.5 * sf;
    else if (c < x1 + 4 * z)
        g.paddle_dx = -1.25 * sf;
    else if (c > x1 + 7 * z)
        g.paddle_dx = 3 * sf;
    else if (c > x1 + 6 * z)
        g.paddle_dx = 2 * sf;
    else if (c > x1 + 5 * z)
        g.paddle_dx = 1.5 * sf;
    else if (c > x1 + 4 * z)
        g.paddle_dx = 1.25 * sf;
    s.sprite_dx[ball_slot] = g.paddle_dx;
    p.sound.do_soundfx(1, 10000, -100);
}

void lost_ball(program& p) {
    auto& g = p.game;
    auto& run = p.run;
    if (!(p.sprites.sprite_y[ball_slot] > loss_line)) return;

    p.sound.do_soundfx(1, 2500, -100);
    g.balls_left -= 1;
    show_balls(p);
    g.pause_timer = pause_frames;
    sprite_off(p, ball_slot);
    blit_old_sprite(p, ball_slot);
    if (p.events) {
        p.events->ball_lost(g.balls_left);
        p.events->pause_start(pause_kind::ball_lost);
    }

    if (g.balls_left == 0 && run.player_game == 1) {
        if (p.events) p.events->game_over(g.score);
        check_highscore(p);
        if (run.launched_from_config == 1) {
            // A game run from the configuration dialog ends the run with the game.
            run.activity_count = static_cast<std::int16_t>(run.activity_limit + 1);
            run.quit_requested = 1;
        } else {
            run.player_game = 0;
            run.launched_from_config = 0;
            run.play_mode = 0;
            init_game(p);
            g.pause_timer = pause_frames;
        }
    }
}

}  // namespace glim
