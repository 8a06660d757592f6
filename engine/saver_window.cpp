#include "engine/saver_window.h"

#include "engine/drawing.h"
#include "engine/game.h"
#include "shell/numbers.h"
#include "shell/system_helpers.h"

namespace glim {

double field_offset(std::int32_t screen_size, std::int32_t field_size) {
    return screen_size / 2.0 - field_size / 2.0;
}

std::int32_t frame_delay_for(std::int32_t speed) {
    switch (speed) {
    case 1: return 20;
    case 2: return 10;
    case 3: return 8;
    default: return 0;
    }
}

void saver_form_load(program& p, saver_window_port& w) {
    p.run.running = true;
    p.run.in_main_loop = 1;
    p.run.activity_limit = 20;
    p.run.activated = 0;
    hide_cursor(p.sys);
    set_saver_running(p.sys);
    w.fine_timer(true);
}

void saver_form_activate(program& p, saver_window_port& w) {
    run_state& r = p.run;
    if (r.activated != 0) return;
    r.activated = 1;                                             // A1
    w.maximise();                                                // A2
    w.refresh();                                                 // A3
    p.clock.process_events();                                    // A4, A5
    p.rnd.seed(static_cast<std::uint32_t>(p.clock.get_time()));  // A6
    r.quit_requested = 0;                                        // A7
    w.load_settings();                                           // A8
    r.activity_count = 0;                                        // A9
    r.password_shown = 0;
    p.background_work.resize(p.background_main.width(), p.background_main.height());  // A10
    p.background_copy.resize(p.background_main.width(), p.background_main.height());
    const double tx = p.sys.twips_per_pixel_x(), ty = p.sys.twips_per_pixel_y();
    r.screen_w = round_even(w.width_twips() / tx);  // A12
    r.screen_h = round_even(w.height_twips() / ty);
    r.field_x = field_offset(r.screen_w, field_width);  // A13
    r.field_y = field_offset(r.screen_h, field_height);
    p.window.stretch(0, 0, r.screen_w, r.screen_h, p.background_main, 0, 0, field_width,
                     field_height);  // A14
    if (r.in_config_preview == 0)    // A15
        w.set_topmost(round_even(w.left_twips() / tx), round_even(w.top_twips() / ty),
                      round_even(w.width_twips() / tx), round_even(w.height_twips() / ty));
    w.refresh();               // A16
    p.clock.process_events();  // A17
    w.retained_drawing_off();  // A18
    init_game(p);              // A19
    r.repaint_requested = 1;   // A20
    main_loop(p, w);           // A21
}

void pacing_wait(program& p, saver_window_port& w) {
    const run_state& r = p.run;
    p.clock.process_events();
    for (;;) {
        if (r.frame_delay <= 0) return;
        // Elapsed time as an unsigned difference: right across the clock's wrap.
        auto elapsed = static_cast<std::uint32_t>(p.clock.get_time()) -
                       static_cast<std::uint32_t>(r.frame_start);
        if (elapsed >= static_cast<std::uint32_t>(r.frame_delay)) return;
        // The whole rest of the frame: the wait ends at the deadline or on a window message,
        // which is then handled before the clock is read again.
        w.wait_for_events(
            static_cast<std::int32_t>(static_cast<std::uint32_t>(r.frame_delay) - elapsed));
        p.clock.process_events();
    }
}

bool run_one_frame(program& p, saver_window_port& w) {
    run_state& r = p.run;
    r.frame_start = p.clock.get_time();  // 2
    w.frame_begun(r.frame_start);
    blit_old_sprites(p);   // 3
    move_sprites(p);       // 4
    blit_new_sprites(p);   // 5
    blit_flicker_free(p);  // 6
    pacing_wait(p, w);     // 7
    r.frame_count += 1;    // 8
    if (r.frame_count == 80) {
        r.frame_count = 0;
        r.activity_count = 0;
    }
    if (r.activity_count > r.activity_limit) {  // 9
        r.activity_count = 0;
        if (r.in_config_preview != 0) {
            r.quit_requested = 1;
        } else if (check_use_password(p.sys)) {
            if (r.password_shown == 0) {
                r.password_shown = 1;
                w.show_password_prompt();
            }
        } else {
            r.quit_requested = 1;
        }
    }
    if (r.repaint_requested == 1) {  // 10
        r.repaint_requested = 0;
        p.window.blit(round_even(r.field_x), round_even(r.field_y), field_width, field_height,
                      p.background_copy, 0, 0, srccopy);
    }
    p.sound.handle_music();  // 11
    // 12: the loop goes on while no end is asked for, or while the prompt is up.
    return r.quit_requested == 0 || r.password_shown == 1;
}

void main_loop(program& p, saver_window_port& w) {
    while (p.run.running) {
        if (!run_one_frame(p, w)) break;
    }
    p.run.in_main_loop = 0;
    w.unload_window();
}

void saver_form_click(program& p) {
    p.run.activity_count = wrap16(p.run.activity_limit + 1);
}

void saver_form_key_press(program& p) {
    saver_form_click(p);
}

void saver_form_click(program& p, saver_window_port& w) {
    saver_form_click(p);
    if (p.run.password_shown == 1) w.bring_password_prompt_forward();
}

void saver_form_key_press(program& p, saver_window_port& w) {
    saver_form_click(p, w);
}

void saver_form_mouse_move(program& p) {
    run_state& r = p.run;
    if (r.play_mode != 0) return;
    r.activity_count = wrap16(r.activity_count + 1);
    if (r.activity_count == 7) {
        r.play_mode = 1;
        r.activity_count = 0;
        r.player_game = 1;
        init_game(p);
    }
}

void saver_form_unload(program& p, saver_window_port& w, std::int16_t& cancel) {
    p.sound.sound_off();
    show_cursor(p.sys);
    clear_saver_running(p.sys);
    p.run.running = false;
    if (p.run.in_main_loop == 1) {
        cancel = 1;
        return;
    }
    w.fine_timer(false);
}

}  // namespace glim
