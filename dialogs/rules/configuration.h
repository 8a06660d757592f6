// The configuration dialog without its window: the places, colours, fonts, tooltips and cursors
// of its controls, and what its check boxes and option buttons read from and write to the
// settings.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "shell/state.h"

namespace glim {

// The maker's home page, opened by the configuration dialog and by the about box.
inline constexpr const char* home_page_address = "http://www.tarvo-software.example/";
// Files of the installation folder that the dialog opens or plays.
inline constexpr const char* catalog_file = "catalog.doc";
inline constexpr const char* click_effect_file = "ovrinho.wav";

inline constexpr std::uint32_t colour_black = 0x00000000;
inline constexpr std::uint32_t colour_white = 0x00FFFFFF;
inline constexpr std::uint32_t colour_red = 0x000000FF;
inline constexpr std::uint32_t colour_green = 0x0000FF00;
inline constexpr std::uint32_t colour_blue = 0x00FF0000;
inline constexpr std::uint32_t colour_yellow = 0x0000FFFF;
inline constexpr std::uint32_t colour_grey = 0x00808080;

// Client area in twips.
inline constexpr int configuration_client_width = 5250;
inline constexpr int configuration_client_height = 3990;

enum class config_kind { label, check_box, option_button, image, shape };

struct config_control {
    const char* name;
    int index;  // element of the label array Label1; -1 for single controls
    config_kind kind;
    const char* caption;
    int left, top, width, height;  // twips within the client area
    std::uint32_t fore;            // text colour (the outline colour of the shape)
    bool transparent;              // labels without a background of their own
    double points;                 // font size; every font is "MS Sans Serif"
    bool bold;
    int tab_index;        // -1: cannot take the focus
    const char* tooltip;  // null for none
    bool hand_cursor;
    bool visible;
};

// Every control but the sound control, the painted ones in their stacking order from front to
// back; check boxes and option buttons are windows of their own and lie in front of all of them.
extern const std::array<config_control, 16> configuration_controls;

// The control of that name and element, or null.
const config_control* find_config_control(std::string_view name, int index = -1);

// What a check box shows for a stored option: a tick when the value, taken as a whole number,
// is not 0. The program itself stores only 0 and 1; anything else that reads as a non-zero
// number (such as "2" or "-1") shows a tick, text that reads as no number shows none.
int check_state_for(const option_value& stored);

// The option button (1 Easier, 2 Normal, 3 Harder) that shows a speed; 0 selects none.
int option_for_speed(std::int32_t speed);

// What closing the dialog writes into the settings before they are saved: the two check boxes
// as numbers, and the speed of the selected option button, or the speed as it was when none is.
void apply_configuration(config_settings& config, int check1, int check2, bool option1,
                         bool option2, bool option3);

}  // namespace glim
