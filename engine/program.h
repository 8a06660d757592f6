// Everything the saver remembers while it runs, owned by one `program` and passed by reference to
// every procedure of the game. The variables keep the names and types the game's rules give them;
// they are gathered by owner: options and top-10 table, run flags, the sprite table, the game.
#pragma once

#include <array>
#include <cstdint>

#include "engine/platform.h"
#include "engine/sound/sound_port.h"
#include "engine/surface.h"
#include "levels/levels.h"
#include "shell/random.h"
#include "shell/state.h"
#include "shell/system.h"

namespace glim {

class game_events;

// Sprite slots: 0 is never used, 1 the paddle, 2 to 9 the sparkles, 10 the ball.
inline constexpr std::int32_t sprite_slots = 11;
inline constexpr std::int32_t paddle_slot = 1;
inline constexpr std::int32_t first_effect_slot = 2;
inline constexpr std::int32_t last_effect_slot = 9;
inline constexpr std::int32_t ball_slot = 10;

// Images 0 to 20 (rows of sprite_def), animations 0 to 20 with steps 0 to 300 (anim_table).
inline constexpr std::int32_t image_rows = 21;
inline constexpr std::int32_t anim_rows = 21;
inline constexpr std::int32_t anim_steps = 301;

// Field size in pixels and the size of one brick cell.
inline constexpr std::int32_t field_width = 640;
inline constexpr std::int32_t field_height = 480;
inline constexpr std::int32_t cell_size = 32;

// The sprite table: the image and animation tables and the per-slot parallel arrays.
struct sprite_table {
    // Columns of sprite_def; column 0 is not used.
    static constexpr std::int32_t sheet_x = 1;
    static constexpr std::int32_t sheet_y = 2;
    static constexpr std::int32_t image_width = 3;
    static constexpr std::int32_t image_height = 4;

    std::array<std::array<std::int32_t, 5>, image_rows> sprite_def{};
    std::array<std::array<std::int32_t, anim_steps>, anim_rows> anim_table{};

    std::int32_t sprite_count = 0;
    std::array<double, sprite_slots> sprite_x{}, sprite_y{};
    std::array<double, sprite_slots> sprite_dx{}, sprite_dy{};
    std::array<std::int32_t, sprite_slots> sprite_old_x{}, sprite_old_y{};
    std::array<std::int32_t, sprite_slots> sprite_image{};
    std::array<std::int32_t, sprite_slots> sprite_active{};
    std::array<std::int32_t, sprite_slots> sprite_transparent{};
    std::array<std::int32_t, sprite_slots> sprite_anim{};
    std::array<std::int32_t, sprite_slots> sprite_anim_step{};
    std::array<std::int32_t, sprite_slots> sprite_anim_end{};

    // The side limits of the paddle and the ball, 0 and 639 after init_sprites.
    double field_left = 0;
    double field_right = 0;

    bool operator==(const sprite_table&) const = default;
};

// The state of the game itself: brick field, scoring, the game step and its paddle.
struct game_state {
    // Brick field.
    brick_grid_t brick_grid{};
    std::int32_t bricks_total = 0;
    std::int32_t bricks_hit = 0;
    std::int32_t cell_left = 0;
    std::int32_t cell_right = 0;
    std::int32_t level = 0;

    // Scoring.
    double score = 0;
    std::int16_t hit_toggle = 0;
    std::int32_t balls_left = 0;

    // Pauses, sparkles and level changes.
    std::int32_t pause_timer = 0;
    std::int16_t spawn_slot = 0;
    std::int16_t spawn_mode = 0;
    std::int16_t level_cleared = 0;
    double speed_factor = 0;

    // The self-playing paddle.
    std::array<double, 10> aim_table{};
    std::int32_t aim_offset = 0;
    std::int32_t aim_timer = 0;

    // The paddle animation.
    double paddle_last_x = 0;
    std::int16_t paddle_anim_phase = 0;
    std::int32_t paddle_anim_count = 0;

    // The sideways speed of the latest paddle bounce.
    double paddle_dx = 0;

    // The mouse paddle's last cursor reading, in screen pixels.
    point cursor_pos;

    // The rectangle, in field pixels, that the screen update is copying for the current slot.
    std::int32_t dirty_left = 0;
    std::int32_t dirty_top = 0;
    std::int32_t dirty_width = 0;
    std::int32_t dirty_height = 0;
};

// The platform pieces a program works through; they outlive the program.
struct platform_ports {
    window_port& window;
    event_clock& clock;  // the clock and the processing of window events
    system_api& sys;     // the same system as the shell's helpers see it (wait_ms ...)
    cursor_port& cursor;
    name_prompt_port& name_prompt;
    settings_port& settings;
    sound_port& sound;
};

struct program {
    explicit program(const platform_ports& ports)
        : window(ports.window), clock(ports.clock), sys(ports.sys), cursor(ports.cursor),
          name_prompt(ports.name_prompt), settings(ports.settings), sound(ports.sound) {}
    program(const program&) = delete;
    program& operator=(const program&) = delete;

    config_settings cfg;
    run_state run;
    sprite_table sprites;
    game_state game;

    // The saver window's picture surfaces, in field pixels (the sheet in sheet pixels).
    surface background_main;  // the 640 x 480 backdrop
    surface background_copy;  // the clean field: cells, score digits, balls-left icons
    surface background_work;  // the clean field with the sprites in use drawn over it
    surface sprite;           // the sprite sheet, 640 x 165
    surface mask;             // kept for the window's layout; nothing draws with it

    random_source rnd;

    // Told of each game event as it happens (the simulator's trace); none by default.
    game_events* events = nullptr;

    window_port& window;
    event_clock& clock;  // the clock and the processing of window events
    system_api& sys;     // the same system as the shell's helpers see it (wait_ms ...)
    cursor_port& cursor;
    name_prompt_port& name_prompt;
    settings_port& settings;
    sound_port& sound;
};

}  // namespace glim
