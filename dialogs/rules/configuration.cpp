#include "dialogs/rules/configuration.h"

#include "shell/numbers.h"

namespace glim {

namespace {

constexpr double small = 8.25;

constexpr config_control label(const char* name, const char* caption, int left, int top, int width,
                               std::uint32_t fore, int tab, const char* tooltip) {
    return {name,    -1,      config_kind::label,
            caption, left,    top,
            width,   225,     fore,
            false,   small,   true,
            tab,     tooltip, true,
            true};
}

constexpr config_control button(const char* name, config_kind kind, const char* caption, int left,
                                int top, int width, int height, int tab, const char* tooltip) {
    return {name,         -1,    kind,  caption, left, top,     width, height,
            colour_green, false, small, false,   tab,  tooltip, true,  true};
}

}  // namespace

// clang-format off
const std::array<config_control, 16> configuration_controls{{
    // The title: white in front of a red copy one pixel lower and further right.
    {"Label1", 3, config_kind::label, "Glimbrook", 1620, 60, 3645, 375, colour_white,
     true, 18, true, -1, nullptr, false, true},
    {"Label1", 1, config_kind::label, "Glimbrook", 1635, 75, 3645, 375, colour_red,
     true, 18, true, -1, nullptr, false, true},
    // The hover frame, hidden outside the client area until a target is under the pointer.
    {"Shape1", -1, config_kind::shape, "", 7380, 1320, 1545, 345, colour_blue,
     true, small, false, -1, nullptr, false, false},
    label("Label8", "Exit", 4125, 3690, 525, colour_yellow, 10, "Click here to exit"),
    label("Label7", "Password", 2670, 3690, 1035, colour_yellow, 9,
          "Click here to change the password for this screen saver"),
    label("Label5", "Cool Downloads", 3645, 1590, 1455, colour_red, 8,
          "Click here to learn about other Tarvo Software products!"),
    label("Label4", "Home Page", 3720, 1080, 1305, colour_red, 7,
          "Click here to start a new game!"),
    label("Label3", "Top 10 Scores", 3675, 2295, 1365, colour_red, 6,
          "Click here to view the top 10 scores! (Is your name here?)"),
    label("Label2", "About", 3960, 3000, 795, colour_red, 5,
          "Click here to learn more about this screen saver"),
    {"Label1", 2, config_kind::label, "A Tarvo Software Production", 2970, 510, 2175, 225,
     colour_grey, false, small, false, 0,
     "Click here to launch your Web Browser to our home page on the internet!", true, true},
    {"Image1", -1, config_kind::image, "", 45, 60, 1260, 1815, colour_black,
     false, small, false, -1, nullptr, true, true},
    button("Check1", config_kind::check_box, "Play Music", 1575, 855, 1665, 285, 11,
           "Place a check here to play background music during the screen saver! "
           "(Requires a .MIDI device player to be installed)"),
    button("Check2", config_kind::check_box, "Play Sound Effects", 1590, 1665, 1665, 285, 4,
           "Place a check here to play sound effects during the screen saver. "
           "(Requires Direct-X to be installed!)"),
    button("Option1", config_kind::option_button, "Easier", 285, 2580, 795, 255, 3,
           "Perfect for younger players!"),
    button("Option2", config_kind::option_button, "Normal", 1305, 2580, 795, 255, 2,
           "How high can your score get?"),
    button("Option3", config_kind::option_button, "Harder", 2415, 2580, 795, 255, 1,
           "Fast action! This requires a fast computer and good video card to keep up with the "
           "frame rate!"),
}};
// clang-format on

const config_control* find_config_control(std::string_view name, int index) {
    for (const auto& c : configuration_controls)
        if (name == c.name && c.index == index) return &c;
    return nullptr;
}

int check_state_for(const option_value& stored) {
    auto n = to_int32_checked(stored.as_number());
    // A value too large for a whole number is still plainly not 0.
    return (n && *n == 0) ? 0 : 1;
}

int option_for_speed(std::int32_t speed) {
    return speed >= 1 && speed <= 3 ? speed : 0;
}

void apply_configuration(config_settings& config, int check1, int check2, bool option1,
                         bool option2, bool option3) {
    config.music_on = option_value::from_number(static_cast<std::int16_t>(check1));
    config.soundfx_on = option_value::from_number(static_cast<std::int16_t>(check2));
    if (option1) config.speed = 1;
    if (option2) config.speed = 2;
    if (option3) config.speed = 3;
}

}  // namespace glim
