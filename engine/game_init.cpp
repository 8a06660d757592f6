// Starting a game: the demonstration at the start of a run and after a player's game, or a
// player's game when a player takes over.
#include "engine/brick_field.h"
#include "engine/game.h"
#include "engine/game_events.h"
#include "engine/game_steps.h"
#include "engine/sprites.h"
#include "shell/numbers.h"

namespace glim {

void init_game(program& p) {
    auto& run = p.run;
    auto& g = p.game;
    auto& s = p.sprites;

    // Any other speed keeps the frame time of the game before.
    switch (p.cfg.speed) {
    case 1: run.frame_delay = 20; break;
    case 2: run.frame_delay = 10; break;
    case 3: run.frame_delay = 8; break;
    default: break;
    }
    if (run.player_game == 1) run.play_mode = 1;
    p.sound.init_sound();
    p.sound.set_music_busy(0);
    g.speed_factor = 1;
    g.score = 0;
    init_sprites(p);
    g.spawn_slot = first_effect_slot;
    g.spawn_mode = 1;
    g.level_cleared = 0;
    g.level = 1;
    setup_gamefield(p);
    show_score(p, 0);
    g.balls_left = 3;
    show_balls(p);
    g.pause_timer = pause_frames;
    init_aim_table(p);
    g.aim_offset = round_even(paddle_width(p) / 2);
    g.aim_timer = 600;
    s.sprite_dx[ball_slot] = 0;
    s.sprite_dy[ball_slot] = 0;
    sprite_off(p, ball_slot);
    if (p.events) p.events->pause_start(pause_kind::game_start);
}

}  // namespace glim
