#include "dialogs/frm_preview.h"

namespace glim {

using namespace win32;

namespace {
form_design design() {
    form_design d;
    d.caption = "Glimbrook preview";
    return d;
}
}  // namespace

frm_preview::frm_preview(app_context& app) : form(design(), {}), app_(app) {}

}  // namespace glim
