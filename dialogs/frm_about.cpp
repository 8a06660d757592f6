#include "dialogs/frm_about.h"

#include <cstring>

#include "dialogs/rules/configuration.h"
#include "platform/win32/resources.h"
#include "shell/system_helpers.h"

namespace glim {

using namespace win32;

namespace {

form_design design() {
    form_design d;
    d.caption = "About This Screen Saver...";
    d.client_width = 4680;
    d.client_height = 2355;
    d.icon = resource_monitor_icon;
    return d;
}

std::vector<control_design> controls() {
    const font_spec bold{"MS Sans Serif", 8.25, true};
    auto line = [](const char* name, int index, const char* caption, int top, int height) {
        control_design c{name, control_kind::label, caption, 2520, top, 2055, height};
        c.index = index;
        c.text_align = align::centre;
        return c;
    };
    control_design title = line("Label1", 2, "Glimbrook", 90, 195);
    title.font = bold;
    control_design maker = line("Label1", 3, "Tarvo Software", 600, 225);
    maker.font = bold;

    control_design ok{"Command1", control_kind::command_button, "Ok", 3270, 1920, 1275, 345, 0};
    ok.tooltip = "Click here to exit this screen";
    control_design more{"Command2",
                        control_kind::command_button,
                        "Want more screen savers? Click Here!",
                        90,
                        1920,
                        3015,
                        345,
                        1};
    more.tooltip = "Click here to launch your browser to our internet home page!";

    control_design picture{"Image1", control_kind::image, "", 90, 90, 2310, 1740};
    picture.picture = resource_preview;
    picture.border = true;

    return {ok, more, title, line("Label1", 1, "Developed By:", 330, 225), maker,
            // The maker's credits below its name.
            line("Label2", -1, "Code, pictures and tunes", 900, 225),
            line("Label3", -1, "by the Tarvo Software team", 1140, 225),
            line("Label4", -1, "www.tarvo-software.example", 1380, 225), picture};
}

}  // namespace

frm_about::frm_about(app_context& app) : form(design(), controls()), app_(app) {}

void frm_about::Form_Load() {
    form_placement placement(*this);
    center_form(app_.sys, placement);
}

void frm_about::control_click(control& c) {
    if (std::strcmp(c.name(), "Command1") == 0)
        Command1_Click();
    else if (std::strcmp(c.name(), "Command2") == 0)
        Command2_Click();
}

void frm_about::Command1_Click() {
    unload();
}

// Opens the home page again at every click; the box stays open.
void frm_about::Command2_Click() {
    shell_open(hwnd(), home_page_address);
}

}  // namespace glim
