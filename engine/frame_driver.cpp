#include "engine/frame_driver.h"

#include "engine/drawing.h"
#include "engine/game.h"
#include "shell/numbers.h"

namespace glim {

void run_frame(program& p) {
    auto& run = p.run;
    run.frame_start = p.clock.get_time();
    blit_old_sprites(p);
    move_sprites(p);
    blit_new_sprites(p);
    blit_flicker_free(p);

    // Differences of clock readings, so that the wait also ends across the clock's wrap.
    p.clock.process_events();
    while (static_cast<std::int32_t>(static_cast<std::uint32_t>(p.clock.get_time()) -
                                     static_cast<std::uint32_t>(run.frame_start)) < run.frame_delay)
        p.clock.process_events();

    if (run.repaint_requested == 1) {
        run.repaint_requested = 0;
        p.window.blit(window_x(p, 0), window_y(p, 0), field_width, field_height, p.background_copy,
                      0, 0, srccopy);
    }
}

void take_over(program& p) {
    p.run.play_mode = 1;
    p.run.activity_count = 0;
    p.run.player_game = 1;
    init_game(p);
}

}  // namespace glim
