#include "platform/headless/headless_ports.h"

#include "shell/settings.h"

namespace glim {

void headless_window::blit(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                           const surface& src, std::int32_t sx, std::int32_t sy, std::uint32_t op) {
    if (record_copies) copies.push_back({x, y, w, h, op});
    screen.blit(x, y, w, h, src, sx, sy, op);
}

void headless_window::blit_within(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                                  std::int32_t sx, std::int32_t sy) {
    if (record_copies) copies.push_back({x, y, w, h, srccopy});
    screen.blit_within(x, y, w, h, sx, sy);
}

void headless_window::stretch(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                              const surface& src, std::int32_t sx, std::int32_t sy, std::int32_t sw,
                              std::int32_t sh) {
    if (record_copies) copies.push_back({x, y, w, h, srccopy});
    screen.stretch(x, y, w, h, src, sx, sy, sw, sh);
}

std::int32_t headless_window::get_device_caps(std::int32_t index) {
    if (index == bitspixel) return bits_per_pixel;
    if (index == planes) return colour_planes;
    return 0;
}

void recording_settings::save_settings(config_settings& cfg) {
    glim::save_settings(cfg, store);
    saved.push_back(cfg);
}

void headless_system::process_events() {
    ++events_processed;
    advance(ms_per_event);
    if (on_process_events) on_process_events();
}

bool scripted_cursor::get_cursor_pos(point& p) {
    ++readings;
    if (fails) return false;
    if (!script.empty()) {
        where = script.front();
        script.pop_front();
    }
    p = where;
    return true;
}

void scripted_name_prompt::show_name_prompt(run_state& run) {
    ++shown;
    if (!script.empty()) {
        run.entered_name = script.front();
        script.pop_front();
    } else {
        run.entered_name = name;
    }
    run.repaint_requested = 1;
}

}  // namespace glim
