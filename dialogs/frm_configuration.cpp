#include "dialogs/frm_configuration.h"

namespace glim {

using namespace win32;

namespace {
form_design design() {
    form_design d;
    d.caption = "Glimbrook Saver Configuration";
    return d;
}
}  // namespace

frm_configuration::frm_configuration(app_context& app) : form(design(), {}), app_(app) {}

}  // namespace glim
