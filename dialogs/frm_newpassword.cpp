#include "dialogs/frm_newpassword.h"

#include <cstring>

#include "dialogs/rules/normalize_keys.h"
#include "platform/win32/resources.h"
#include "shell/settings.h"
#include "shell/system_helpers.h"

namespace glim {

using namespace win32;

namespace {

const font_spec regular{};
const font_spec bold{"MS Sans Serif", 8.25, true};

form_design design() {
    form_design d;
    d.caption = "Change  Password";
    d.client_width = 5265;
    d.client_height = 1545;
    d.back = 0x00C0C0C0;
    d.icon = resource_padlock_icon;
    d.font = bold;
    return d;
}

std::vector<control_design> controls() {
    std::vector<control_design> v;
    auto text_box = [](const char* name, int top, int height, int tab, std::uint32_t fore) {
        control_design c{name, control_kind::text_box};
        c.left = 1980, c.top = top, c.width = 1605, c.height = height, c.tab_index = tab;
        c.font = bold;
        c.password = true;
        c.ime_off = true;
        c.back = 0x00FFFFFF;
        c.fore = fore;
        return c;
    };
    v.push_back(text_box("NewPassword", 630, 330, 0, sys_window_text));
    v.push_back(text_box("NewPassword2", 1080, 315, 1, 0x00000000));
    auto button = [](const char* name, const char* caption, int top, int tab) {
        control_design c{name, control_kind::command_button, caption, 4050, top, 1095, 330, tab};
        c.font = regular;
        return c;
    };
    v.push_back(button("OK", "OK", 180, 2));
    v.push_back(button("Cancel", "Cancel", 585, 3));
    auto label = [](const char* name, const char* caption, int left, int top, int width,
                    int height) {
        control_design c{name, control_kind::label, caption, left, top, width, height};
        c.font = regular;
        return c;
    };
    control_design l2 = label("Label2", "New Password:", 180, 630, 1110, 195);
    l2.transparent = true, l2.auto_size = true, l2.fore = 0x00000000;
    control_design l3 = label("Label3", "Confirm new password:", 180, 1080, 1635, 195);
    l3.transparent = true, l3.auto_size = true, l3.fore = 0x00000000;
    control_design l1 =
        label("Label1", "Change password for Glimbrook Screen Saver", 30, 150, 3960, 240);
    l1.text_align = align::centre;
    v.push_back(l2);
    v.push_back(l3);
    v.push_back(l1);
    return v;
}

}  // namespace

frm_newpassword::frm_newpassword(app_context& app) : form(design(), controls()), app_(app) {}

void frm_newpassword::Form_Load() {
    form_placement placement(*this);
    center_form(app_.sys, placement);
    ctl("NewPassword").set_text("");
    ctl("NewPassword2").set_text("");
}

void frm_newpassword::control_click(control& c) {
    if (std::strcmp(c.name(), "OK") == 0)
        OK_Click();
    else if (std::strcmp(c.name(), "Cancel") == 0)
        Cancel_Click();
}

void frm_newpassword::OK_Click() {
    auto& first = ctl("NewPassword");
    auto& second = ctl("NewPassword2");
    first.set_text(normalize_keys(first.text(), app_.keyboard));
    second.set_text(normalize_keys(second.text(), app_.keyboard));
    switch (check_new_password(first.text(), second.text())) {
    case new_password_check::mismatch:
        message_box(mismatch_text, mismatch_title, mismatch_style, hwnd());
        return;
    case new_password_check::too_long:
        message_box(too_long_text, too_long_title, too_long_style, hwnd());
        return;
    case new_password_check::accept: break;
    }
    store_new_password(app_.config, app_.store, first.text());
    process_events();
    unload();
}

void frm_newpassword::Cancel_Click() {
    unload();
}

}  // namespace glim
