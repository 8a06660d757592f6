// The game step: the order of its eight steps, the pauses with their sparkles, the level change
// and the new ball, and the frame end.
#include "engine/brick_field.h"
#include "engine/game.h"
#include "engine/game_events.h"
#include "engine/game_steps.h"
#include "engine/sprites.h"

namespace glim {

void move_sprites(program& p) {
    if (p.run.play_mode == 0)
        demo_paddle(p);
    else
        mouse_paddle(p);
    animate_paddle(p);
    // A pause frame moves no ball; a brick hit ends the frame's collision work.
    if (!pause_step(p)) {
        move_ball(p);
        if (!brick_probes(p)) {
            paddle_bounce(p);
            lost_ball(p);
        }
    }
    frame_end(p);
}

bool pause_step(program& p) {
    auto& s = p.sprites;
    auto& g = p.game;
    if (g.pause_timer == 0) return false;

    g.pause_timer -= 1;

    // One slot is tried per pause frame, 3, 4, ... 9, 2, 3 ... in turn across pauses.
    g.spawn_slot = static_cast<std::int16_t>(g.spawn_slot + 1);
    if (g.spawn_slot > last_effect_slot || g.spawn_slot < first_effect_slot)
        g.spawn_slot = first_effect_slot;
    const auto slot = static_cast<std::size_t>(g.spawn_slot);
    if (s.sprite_active[slot] == 0) {
        if (g.spawn_mode == 0) {
            // Anywhere within the screen's size, which may lie outside the field.
            s.sprite_x[slot] = draw_1_to(p, p.run.screen_w);
            s.sprite_y[slot] = draw_1_to(p, p.run.screen_h);
        } else {
            // A narrow band at the field's middle, up to 200 pixels above the paddle's top.
            s.sprite_x[slot] = 330 - draw_1_to(p, 20);
            s.sprite_y[slot] = s.sprite_y[paddle_slot] - draw_1_to(p, 200);
        }
        s.sprite_anim[slot] = draw_1_to(p, 10);
        s.sprite_active[slot] = 1;
    }

    if (g.pause_timer > 0) return true;

    if (g.level_cleared != 0) {
        if (p.events) p.events->pause_end();
        g.level_cleared = 0;
        g.spawn_mode = 1;
        g.pause_timer = pause_frames;
        g.level += 1;
        if (g.level > 20) {
            g.level = 1;
            // Only a player's game speeds up with each round of the twenty levels.
            if (p.run.play_mode == 1) g.speed_factor += 0.5;
        }
        setup_gamefield(p);
        show_balls(p);
        if (p.events) {
            p.events->level_change(g.level, g.speed_factor);
            p.events->pause_start(pause_kind::new_level);
        }
    } else {
        if (p.events) p.events->pause_end();
        reset_ball(p);
        p.sound.do_soundfx(2, 0, -100);
        if (p.events) p.events->new_ball(s.sprite_dy[ball_slot]);
    }
    return true;
}

void reset_ball(program& p) {
    auto& s = p.sprites;
    reseed_from_clock(p);
    s.sprite_image[ball_slot] = 5;
    // The ball's centre at (320, 199), the field's horizontal middle, falling straight down.
    s.sprite_x[ball_slot] = 313;
    s.sprite_y[ball_slot] = 192;
    s.sprite_active[ball_slot] = 1;
    s.sprite_dx[ball_slot] = 0;
    s.sprite_dy[ball_slot] = 2 * p.game.speed_factor;
}

void frame_end(program& p) {
    // The effects control asks for a new set-up by its state; it is read in every frame.
    if (p.sound.effects_state() == effects_need_setup) p.sound.init_sound();
    anim_sprites(p);
}

}  // namespace glim
