#include "dialogs/prompt_placement.h"

#include "shell/numbers.h"
#include "shell/system_helpers.h"

namespace glim {

void place_prompt_over_saver(win32::form& f, win32::app_context& app) {
    win32::form_placement placement(f);
    center_form(app.sys, placement);
    if (app.run.in_config_preview == 0) {
        const float tx = app.sys.twips_per_pixel_x(), ty = app.sys.twips_per_pixel_y();
        SetWindowPos(f.hwnd(), HWND_TOPMOST, round_even(placement.left() / tx),
                     round_even(placement.top() / ty), round_even(placement.width() / tx),
                     round_even(placement.height() / ty), 0);
        app.sys.process_events();
    }
    show_cursor(app.sys);
}

}  // namespace glim
