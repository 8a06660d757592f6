// Brick hits and their points, the level's end, the sparkles of a hit, the score and balls-left
// display of a player's game, and the top-10 entry when a player's game is over.
#include <cstdio>

#include "engine/drawing.h"
#include "engine/game.h"
#include "engine/game_events.h"
#include "engine/game_steps.h"
#include "engine/sprites.h"
#include "shell/numbers.h"

namespace glim {

namespace {

constexpr std::int32_t digits_sheet_x = 370, digits_sheet_y = 61, digit_w = 16, digit_h = 14;
constexpr std::int32_t ball_icon_x = 370, blank_icon_x = 384, icon_sheet_y = 0, icon_size = 14;
constexpr std::int32_t icons_field_x = 592;
constexpr double score_limit = 99999;

// An icon of the balls-left display: the clean field first, then the frame, then the screen.
void draw_icon(program& p, std::int32_t place, std::int32_t sheet_x) {
    const std::int32_t fx = icons_field_x + 16 * place;
    p.background_copy.blit(fx, 0, icon_size, icon_size, p.sprite, sheet_x, icon_sheet_y, srccopy);
    p.background_work.blit(fx, 0, icon_size, icon_size, p.sprite, sheet_x, icon_sheet_y, srccopy);
    p.window.blit(window_x(p, fx), window_y(p, 0), icon_size, icon_size, p.sprite, sheet_x,
                  icon_sheet_y, srccopy);
}

}  // namespace

std::int32_t row_points(double y10) {
    return 16 - vb_int((y10 + 6) / 32);
}

void hit_target(program& p) {
    auto& g = p.game;
    const std::int32_t points = row_points(p.sprites.sprite_y[ball_slot]);
    show_score(p, 5.0 * points);
    do_target(p);
    do_star(p);
    // Two channels carry the same brick sound, so that quick hits do not cut each other off.
    g.hit_toggle = static_cast<std::int16_t>(g.hit_toggle ^ 1);
    p.sound.do_soundfx(3 + g.hit_toggle, 500 + 2000 * points, -100);
}

void do_target(program& p) {
    auto& g = p.game;
    g.bricks_hit += 1;
    if (g.bricks_hit == g.bricks_total) {
        g.pause_timer = pause_frames;
        blit_old_sprite(p, ball_slot);
        sprite_off(p, ball_slot);
        g.level_cleared = 1;
        g.spawn_mode = 0;
        if (p.events) p.events->pause_start(pause_kind::level_cleared);
    }
}

void do_star(program& p) {
    auto& s = p.sprites;
    const double x10 = s.sprite_x[ball_slot];
    const double y10 = s.sprite_y[ball_slot];
    for (int round = 0; round < 3; ++round) {
        // Slots 5 to 9 only; when all are busy the round draws nothing.
        std::size_t slot = 0;
        for (std::size_t i = 5; i <= last_effect_slot; ++i) {
            if (s.sprite_active[i] == 0) {
                slot = i;
                break;
            }
        }
        if (slot == 0) continue;
        reseed_from_clock(p);
        s.sprite_x[slot] = x10 - 16 + draw_1_to(p, 32);
        s.sprite_y[slot] = y10 - 10 + draw_1_to(p, 20);
        s.sprite_anim[slot] = draw_1_to(p, 10);
        s.sprite_active[slot] = 1;
    }
}

void show_score(program& p, double points) {
    if (p.run.player_game == 0) return;
    auto& g = p.game;
    g.score += points;
    // The display has five digits: past 99999 the score starts again from 0.
    if (g.score > score_limit) g.score = 0;
    if (g.score < 0) g.score = 0;  // points are never negative; keeps the digits in the sheet

    char text[16];
    std::snprintf(text, sizeof text, "%05d", round_even(g.score));
    for (std::int32_t i = 0; i < 5; ++i) {
        const std::int32_t d = text[i] - '0';
        draw_static(p, digit_w * i, 0, digit_w, digit_h, digits_sheet_x + digit_w * d,
                    digits_sheet_y);
    }
}

void show_balls(program& p) {
    if (p.run.player_game == 0) return;
    for (std::int32_t i = 0; i < 3; ++i) draw_icon(p, i, blank_icon_x);
    // A player's game has at most three balls; the display has three places.
    const std::int32_t n = p.game.balls_left < 3 ? p.game.balls_left : 3;
    for (std::int32_t i = 0; i < n; ++i) draw_icon(p, i, ball_icon_x);
}

void check_highscore(program& p) {
    auto& cfg = p.cfg;
    const double score = p.game.score;

    // The best place whose score the new one beats; an equal score goes below it.
    std::int32_t pos = 0;
    for (std::int32_t i = 10; i >= 1; --i)
        if (score > cfg.hiscore_value[static_cast<std::size_t>(i)]) pos = i;
    if (pos == 0) return;

    for (std::int32_t i = 9; i >= pos; --i) {
        const auto k = static_cast<std::size_t>(i);
        cfg.hiscore_value[k + 1] = cfg.hiscore_value[k];
        cfg.hiscore_name[k + 1] = cfg.hiscore_name[k];
    }
    const auto at = static_cast<std::size_t>(pos);
    cfg.hiscore_value[at] = round_even(score);

    p.clock.process_events();
    p.name_prompt.show_name_prompt(p.run);
    p.clock.process_events();
    cfg.hiscore_name[at] = p.run.entered_name;
    p.settings.save_settings(cfg);
    if (p.events) p.events->top10_entry(pos, cfg.hiscore_name[at], cfg.hiscore_value[at]);
}

}  // namespace glim
