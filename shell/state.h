// The program-wide state of the saver shell: the settings that the store holds and the flags of
// a saver run that the saver window, its prompts and the shell share. One `program` owns them;
// nothing here is a hidden global.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace glim {

// A setting that is text after a load and a number after the configuration dialog's update
// (music_on, soundfx_on). Readers compare it as a number; saving writes its text.
struct option_value {
    bool is_text = true;
    std::string text = "1";
    std::int16_t number = 0;

    static option_value from_text(std::string t) { return {true, std::move(t), 0}; }
    static option_value from_number(std::int16_t n) { return {false, {}, n}; }
    // The stored text: a number gives its decimal text, a text stays unchanged.
    std::string to_text() const { return is_text ? text : std::to_string(number); }
    // The value as a number; a text that does not read as a number counts as 0 (off).
    double as_number() const;
    bool operator==(const option_value&) const = default;
};

inline constexpr const char* settings_application = "Tarvo Glimbrook Screen Saver";
inline constexpr const char* settings_section = "Config";

struct config_settings {
    std::string app_path;                      // installation folder, ends in '\'
    std::array<std::string, 11> hiscore_name;  // places 1 to 10; 0 is no place
    std::array<std::int32_t, 11> hiscore_value{};
    option_value music_on;
    option_value soundfx_on;
    std::int32_t speed = 2;  // 1 Easier, 2 Normal, 3 Harder
    std::string misc;        // the stored (scrambled) form of password
    std::string password;    // the plain password, empty for none
};

// Flags of a saver run, shared by the saver window, the frame loop and the prompts over it.
struct run_state {
    bool running = false;
    std::int32_t in_main_loop = 0;
    std::int32_t activated = 0;
    std::int32_t quit_requested = 0;
    std::int16_t password_shown = 0;
    std::int16_t activity_count = 0;
    std::int16_t activity_limit = 0;
    std::int32_t frame_count = 0;
    std::int32_t frame_start = 0;
    std::int32_t frame_delay = 0;
    std::int16_t repaint_requested = 0;
    std::int32_t screen_w = 0, screen_h = 0;
    double field_x = 0, field_y = 0;
    std::int32_t play_mode = 0;
    std::int32_t player_game = 0;
    std::int32_t in_config_preview = 0;
    std::int32_t launched_from_config = 0;
    std::string entered_name;
    // Recorded by the start-up.
    std::int32_t parent_hwnd = 0;
    std::int16_t twips_x = 15, twips_y = 15;
};

}  // namespace glim
