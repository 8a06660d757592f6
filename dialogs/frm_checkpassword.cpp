#include "dialogs/frm_checkpassword.h"

#include <cstring>

#include "dialogs/prompt_placement.h"
#include "dialogs/rules/normalize_keys.h"
#include "platform/win32/resources.h"
#include "shell/system_helpers.h"

namespace glim {

using namespace win32;

namespace {

form_design design() {
    form_design d;
    d.caption = "Screen Saver Password";
    d.client_width = 3840;
    d.client_height = 1125;
    d.icon = resource_padlock_icon;
    return d;
}

std::vector<control_design> controls() {
    control_design label{
        "Label1", control_kind::label, "Type your screen saver password:", 180, 180, 2535, 330};
    control_design text{"Text1", control_kind::text_box, "", 180, 540, 2040, 285, 0};
    text.password = true;
    text.ime_off = true;
    text.back = sys_window;
    text.fore = sys_window_text;
    control_design ok{"Command1", control_kind::command_button, "Ok", 2790, 180, 915, 330, 1};
    ok.default_button = true;
    control_design cancel{"Command2", control_kind::command_button, "Cancel", 2790, 630, 915, 330,
                          2};
    return {text, ok, cancel, label};
}

}  // namespace

frm_checkpassword::frm_checkpassword(app_context& app) : form(design(), controls()), app_(app) {}

void frm_checkpassword::Form_Load() {
    start_timer(timer1, timer1_interval);
    place_prompt_over_saver(*this, app_);
}

void frm_checkpassword::control_click(control& c) {
    if (std::strcmp(c.name(), "Command1") == 0)
        Command1_Click();
    else if (std::strcmp(c.name(), "Command2") == 0)
        Command2_Click();
}

void frm_checkpassword::control_key_press(control& c, std::int16_t& key) {
    if (std::strcmp(c.name(), "Text1") == 0) Text1_KeyPress(key);
}

void frm_checkpassword::timer_tick(unsigned id) {
    if (id == timer1) Timer1_Timer();
}

void frm_checkpassword::Command1_Click() {
    // Typed exactly as it was set, the password is accepted: as it is, or through the same key
    // normalisation as the new password went through in the change-password dialog.
    if (password_matches(app_.config.password, ctl("Text1").text(), app_.keyboard)) {
        app_.run.password_shown = 0;
        app_.run.quit_requested = 1;
        unload();
        return;
    }
    ctl("Text1").set_text("");
    message_box(wrong_password_text, wrong_password_title, wrong_password_style, hwnd());
    // The time-out may have closed the prompt while the message was up.
    if (loaded()) ctl("Text1").set_focus();
}

void frm_checkpassword::Text1_KeyPress(std::int16_t& key) {
    if (key == 13) {
        key = 0;
        Command1_Click();
    }
}

void frm_checkpassword::Command2_Click() {
    app_.run.password_shown = 0;
    unload();
}

void frm_checkpassword::Timer1_Timer() {
    app_.run.password_shown = 0;
    unload();
}

void frm_checkpassword::bring_forward() {
    if (!loaded()) return;
    // With the wrong-password message up, the message takes the keyboard; the box gets it back
    // when the message is dismissed.
    if (bring_to_front()) ctl("Text1").set_focus();
}

void frm_checkpassword::Form_Unload(std::int16_t&) {
    stop_timer(timer1);
    app_.run.password_shown = 0;
    app_.run.activity_count = 0;
    app_.run.repaint_requested = 1;
    hide_cursor(app_.sys);
}

}  // namespace glim
