#include "shell/startup.h"

#include "shell/ansi_text.h"
#include "shell/numbers.h"
#include "shell/settings.h"
#include "shell/system_helpers.h"

namespace glim {

std::string mode_switch(std::string_view args) {
    std::string mode = ansi_upper(args.substr(0, 2));
    return mode.empty() ? "/C" : mode;
}

std::int32_t read_handle(std::string_view args) {
    std::string_view rest = args.size() > 2 ? args.substr(2) : std::string_view{};
    // A handle beyond 32 bits cannot name a window: taken as no window.
    return to_int32_checked(read_number(rest)).value_or(0);
}

void run_main(std::string_view args, config_settings& config, run_state& run, settings_store& store,
              system_api& sys, shell_host& host) {
    run.twips_x = wrap16(round_even(sys.twips_per_pixel_x()));
    run.twips_y = wrap16(round_even(sys.twips_per_pixel_y()));
    std::string mode = mode_switch(args);
    // Before any mode, so that a missing installation folder stops every one of them.
    load_settings(config, store, sys);

    if (mode == "/C") {
        host.show_configuration();
    } else if (mode == "/S") {
        if (!check_not_running(sys, saver_caption)) return;
        run.running = true;
        host.show_screensaver();
        while (run.running) sys.process_events();
        sys.end_program();
    } else if (mode == "/P") {
        run.parent_hwnd = read_handle(args);
        host.load_preview();
    } else if (mode == "/A") {
        run.parent_hwnd = read_handle(args);
        host.show_new_password();
    }
}

}  // namespace glim
