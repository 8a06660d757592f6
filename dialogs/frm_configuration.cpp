#include "dialogs/frm_configuration.h"

#include <cstring>
#include <string>

#include "dialogs/frm_about.h"
#include "dialogs/frm_newpassword.h"
#include "dialogs/frm_top10.h"
#include "dialogs/rules/configuration.h"
#include "dialogs/rules/hover.h"
#include "engine/sound/fxsnd.h"
#include "platform/win32/fxsnd_control.h"
#include "platform/win32/resources.h"
#include "shell/numbers.h"
#include "shell/settings.h"
#include "shell/system_helpers.h"

namespace glim {

using namespace win32;

namespace {

form_design design() {
    form_design d;
    d.caption = "Glimbrook Saver Configuration";
    d.client_width = configuration_client_width;
    d.client_height = configuration_client_height;
    d.back = colour_black;
    d.icon = resource_config_icon;
    return d;
}

control_kind kind_of(config_kind k) {
    switch (k) {
    case config_kind::label: return control_kind::label;
    case config_kind::check_box: return control_kind::check_box;
    case config_kind::option_button: return control_kind::option_button;
    case config_kind::image: return control_kind::image;
    case config_kind::shape: return control_kind::shape;
    }
    return control_kind::label;
}

std::vector<control_design> controls() {
    std::vector<control_design> v;
    for (const auto& c : configuration_controls) {
        control_design d{c.name, kind_of(c.kind), c.caption, c.left, c.top, c.width, c.height};
        bool focusable = c.kind == config_kind::check_box || c.kind == config_kind::option_button;
        d.tab_index = focusable ? c.tab_index : -1;
        d.index = c.index;
        d.font = {"MS Sans Serif", c.points, c.bold};
        d.fore = c.fore;
        d.back = colour_black;
        d.transparent = c.transparent;
        d.text_align = align::centre;
        d.tooltip = c.tooltip;
        d.hand_cursor = c.hand_cursor;
        d.visible = c.visible;
        if (c.kind == config_kind::image) d.picture = resource_waving_santa;
        v.push_back(d);
    }
    return v;
}

bool is(const control& c, const char* name) {
    return std::strcmp(c.name(), name) == 0;
}

}  // namespace

frm_configuration::frm_configuration(app_context& app) : form(design(), controls()), app_(app) {}

frm_configuration::~frm_configuration() = default;

void frm_configuration::Form_Load() {
    form_placement placement(*this);
    center_form(app_.sys, placement);
    load_settings(app_.config, app_.store, app_.sys);
    ctl("Check1").set_value(check_state_for(app_.config.music_on));
    ctl("Check2").set_value(check_state_for(app_.config.soundfx_on));
    // A speed outside 1 to 3 leaves all three buttons as designed: none selected.
    switch (option_for_speed(app_.config.speed)) {
    case 1: ctl("Option1").set_value(1); break;
    case 2: ctl("Option2").set_value(1); break;
    case 3: ctl("Option3").set_value(1); break;
    default: break;
    }
    if (!FXSnd1) FXSnd1 = std::make_unique<fxsnd_control_win32>();
}

void frm_configuration::update_settings() {
    apply_configuration(app_.config, ctl("Check1").value(), ctl("Check2").value(),
                        ctl("Option1").value() != 0, ctl("Option2").value() != 0,
                        ctl("Option3").value() != 0);
    save_settings(app_.config, app_.store);
}

void frm_configuration::Form_Unload(std::int16_t&) {
    update_settings();
    // The program lives only for this window: nothing else may run once it has gone.
    app_.sys.end_program();
}

LRESULT frm_configuration::handle_message(UINT msg, WPARAM wp, LPARAM lp) {
    // Windows shutting down or the user logging off unloads the window, which stores the options.
    if (msg == WM_ENDSESSION && wp) {
        unload();
        return 0;
    }
    return form::handle_message(msg, wp, lp);
}

void frm_configuration::control_click(control& c) {
    if (is(c, "Label1"))
        Label1_Click(c.design().index);
    else if (is(c, "Label2"))
        Label2_Click();
    else if (is(c, "Label3"))
        Label3_Click();
    else if (is(c, "Label4"))
        Label4_Click();
    else if (is(c, "Label5"))
        Label5_Click();
    else if (is(c, "Label7"))
        Label7_Click();
    else if (is(c, "Label8"))
        Label8_Click();
    else if (is(c, "Image1"))
        Image1_Click();
    // The check boxes and option buttons only change their state, read when the window closes.
}

void frm_configuration::open_home_page() {
    shell_open(hwnd(), home_page_address);
}

void frm_configuration::Label1_Click(int index) {
    if (index == 2) open_home_page();
}

void frm_configuration::Label2_Click() {
    about_form().show_modal();
}
void frm_configuration::Label3_Click() {
    top10_form().show_modal();
}
void frm_configuration::Label4_Click() {
    open_home_page();
}

void frm_configuration::Label5_Click() {
    shell_open(hwnd(), app_.config.app_path + catalog_file);
}

void frm_configuration::Label7_Click() {
    new_password_form().show_modal();
}
void frm_configuration::Label8_Click() {
    unload();
}

void frm_configuration::Image1_Click() {
    // Played whatever the sound-effects box shows.
    if (FXSnd1) FXSnd1->put_text(fxsnd::prop_file_name, app_.config.app_path + click_effect_file);
}

// ---- hover highlighting ----

// The mouse-move handlers of the twelve targets (Check1 to Label8, and Label1 for its element 2
// only) all do the same with their own control; the title lines and the picture do nothing.
void frm_configuration::control_mouse_move(control& c) {
    if (const hover_target* t = find_hover_target(c.name(), c.design().index))
        highlight(c, t->kind);
}

void frm_configuration::highlight(control& c, hover_kind kind) {
    c.set_fore_color(hover_text_colour);
    RECT r = c.rect_px();
    rect_f place{static_cast<float>(r.left), static_cast<float>(r.top),
                 static_cast<float>(r.right - r.left), static_cast<float>(r.bottom - r.top)};
    rect_f f = hover_frame(place, kind);
    control& shape = ctl("Shape1");
    shape.move_px(round_even(f.left), round_even(f.top), round_even(f.width), round_even(f.height));
    shape.set_visible(true);
}

// Over the background (the frame included, which takes no mouse input) every target gets its
// design colour back and the frame goes, keeping its last place.
void frm_configuration::Form_MouseMove() {
    for (const auto& t : hover_targets) {
        control& c = ctl(t.name, t.index);
        c.set_fore_color(c.design().fore);
    }
    ctl("Shape1").set_visible(false);
}

}  // namespace glim
