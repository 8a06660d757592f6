#include "dialogs/frm_name.h"

#include <cstring>

#include "dialogs/prompt_placement.h"
#include "shell/system_helpers.h"

namespace glim {

using namespace win32;

namespace {

form_design design() {
    form_design d;
    d.caption = "Congradulations! Your score is in the top 10!";
    d.client_width = 4725;
    d.client_height = 915;
    return d;
}

std::vector<control_design> controls() {
    control_design label{"Label1", control_kind::label, "Please enter your name:", 120, 120, 1875,
                         255};
    control_design text{"Text1", control_kind::text_box, "", 120, 450, 3255, 285, 0};
    text.back = sys_window;
    text.fore = sys_window_text;
    control_design ok{"Command1", control_kind::command_button, "Ok", 3630, 360, 855, 405, 1};
    ok.default_button = true;
    return {text, ok, label};
}

}  // namespace

frm_name::frm_name(app_context& app) : form(design(), controls()), app_(app) {}

void frm_name::Form_Load() {
    place_prompt_over_saver(*this, app_);
}

void frm_name::control_click(control& c) {
    if (std::strcmp(c.name(), "Command1") == 0) Command1_Click();
}

void frm_name::control_key_press(control& c, std::int16_t& key) {
    if (std::strcmp(c.name(), "Text1") == 0) Text1_KeyPress(key);
}

void frm_name::Text1_KeyPress(std::int16_t& key) {
    // Enter closes the prompt; the key is left as it is. The form layer routes no key further
    // once its form has unloaded, so the default button does not close it a second time.
    if (key == 13) Command1_Click();
}

void frm_name::Command1_Click() {
    unload();
}

void frm_name::Form_Unload(std::int16_t&) {
    app_.run.entered_name = ctl("Text1").text();
    app_.run.repaint_requested = 1;
    hide_cursor(app_.sys);
}

}  // namespace glim
