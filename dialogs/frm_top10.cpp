#include "dialogs/frm_top10.h"

#include <array>
#include <cstring>
#include <string>

#include "dialogs/rules/top10.h"
#include "shell/system_helpers.h"

namespace glim {

using namespace win32;

namespace {

form_design design() {
    form_design d;
    d.caption = "Glimbrook Screen Saver Top 10!";
    d.client_width = 4140;
    d.client_height = 4245;
    return d;
}

// The place numbers are design captions; the control table keeps pointers to them.
const std::array<std::string, 10>& place_captions() {
    static const std::array<std::string, 10> captions = [] {
        std::array<std::string, 10> a;
        for (int i = 0; i < 10; ++i) a[static_cast<std::size_t>(i)] = place_text(i);
        return a;
    }();
    return captions;
}

std::vector<control_design> controls() {
    std::vector<control_design> v;
    control_design ok{"Command1", control_kind::command_button, "Ok", 2880, 3720, 1065, 405, 0};
    v.push_back(ok);
    control_design title{"Label4", control_kind::label, "Top 10  Glimbrook Players!", 150, 60, 3885,
                         255};
    title.font.bold = true;
    title.text_align = align::centre;
    v.push_back(title);
    for (int i = 0; i < 10; ++i) {
        int top = 330 + 330 * i;
        control_design place{"Label1",
                             control_kind::label,
                             place_captions()[static_cast<std::size_t>(i)].c_str(),
                             60,
                             top,
                             255,
                             255};
        place.index = i;
        place.text_align = align::right;
        control_design score{"Label2", control_kind::label, "", 450, top, 1185, 255};
        control_design name{"Label3", control_kind::label, "", 1770, top, 2175, 255};
        for (control_design* cell : {&score, &name}) {
            cell->index = i;
            cell->text_align = align::centre;
            cell->back = 0x00FFFFFF;
            cell->border = true;
        }
        v.push_back(place);
        v.push_back(score);
        v.push_back(name);
    }
    return v;
}

}  // namespace

frm_top10::frm_top10(app_context& app) : form(design(), controls()), app_(app) {}

void frm_top10::Form_Load() {
    form_placement placement(*this);
    center_form(app_.sys, placement);
    auto rows = top10_rows(app_.config);
    for (int i = 0; i < 10; ++i) {
        ctl("Label2", i).set_text(rows[static_cast<std::size_t>(i)].score);
        ctl("Label3", i).set_text(rows[static_cast<std::size_t>(i)].name);
    }
}

void frm_top10::control_click(control& c) {
    if (std::strcmp(c.name(), "Command1") == 0) Command1_Click();
}

void frm_top10::Command1_Click() {
    unload();
}

}  // namespace glim
