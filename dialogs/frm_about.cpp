#include "dialogs/frm_about.h"

namespace glim {

using namespace win32;

namespace {
form_design design() {
    form_design d;
    d.caption = "About This Screen Saver...";
    return d;
}
}  // namespace

frm_about::frm_about(app_context& app) : form(design(), {}), app_(app) {}

}  // namespace glim
