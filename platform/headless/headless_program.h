// A complete program on the headless platform, in one line:
//     headless_program h;          // a 1024 x 768 screen, the test sheet
//     init_game(h.p); ...
// It owns the in-memory platform pieces and the program, and sets the program's pictures and
// screen geometry up as the saver window does when it activates.
#pragma once

#include <cstdint>
#include <string>

#include "engine/program.h"
#include "platform/headless/headless_ports.h"
#include "platform/headless/recording_sound.h"

namespace glim {

struct headless_options {
    std::int32_t screen_w = 1024;
    std::int32_t screen_h = 768;
    // The pictures from resources/ when present (the simulator); otherwise, and by default (the
    // tests), the generated test pictures.
    bool pictures_from_files = false;
    std::string source_dir;  // the repository, for resources/; empty: the build's own
};

class headless_program {
  public:
    explicit headless_program(const headless_options& o = {});
    headless_program(std::int32_t screen_w, std::int32_t screen_h)
        : headless_program(sized(screen_w, screen_h)) {}

    headless_window window;
    headless_system system;
    scripted_cursor cursor;
    scripted_name_prompt name_prompt;
    recording_settings settings;
    recording_sound sound;
    program p;

    static headless_options sized(std::int32_t w, std::int32_t h) {
        headless_options o;
        o.screen_w = w;
        o.screen_h = h;
        return o;
    }

    // Where the pictures came from: "files" or "test".
    std::string pictures;
};

// The settings a fresh store gives: options on, Normal speed, the default top-10 table.
void set_default_settings(config_settings& cfg);

}  // namespace glim
