// The program's one instance of its state and of the Windows side of its interfaces, and the
// windows that are created on first use.
#pragma once

#include "platform/win32/win32_system.h"
#include "shell/state.h"

namespace glim {
class frm_newpassword;
}

namespace glim::win32 {

struct app_context {
    config_settings config;
    run_state run;
    registry_store store;
    win32_system sys;
    win32_keyboard keyboard;
};

app_context& app();

// The program-wide window instances, each created when first asked for.
frm_newpassword& new_password_form();

}  // namespace glim::win32
