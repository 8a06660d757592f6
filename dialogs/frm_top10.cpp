#include "dialogs/frm_top10.h"

namespace glim {

using namespace win32;

namespace {
form_design design() {
    form_design d;
    d.caption = "Glimbrook Screen Saver Top 10!";
    return d;
}
}  // namespace

frm_top10::frm_top10(app_context& app) : form(design(), {}), app_(app) {}

}  // namespace glim
