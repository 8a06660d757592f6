// The program's one instance of its state and of the Windows side of its interfaces, and the
// windows that are created on first use.
#pragma once

#include <memory>

#include "engine/program.h"
#include "platform/win32/gdi_window.h"
#include "platform/win32/ports.h"
#include "platform/win32/win32_system.h"

namespace glim {
class frm_newpassword;
class frm_checkpassword;
class frm_name;
class frm_screensaver;
class frm_configuration;
class frm_about;
class frm_top10;
class frm_preview;
class sound_procedures;
}  // namespace glim

namespace glim::win32 {

class fxsnd_control_win32;

// The name prompt of a top-10 entry, shown modally over the saver.
class win32_name_prompt : public name_prompt_port {
  public:
    void show_name_prompt(run_state& run) override;
};

struct app_context {
    app_context();
    ~app_context();

    registry_store store;
    win32_system sys;
    win32_keyboard keyboard;
    gdi_window window;
    win32_clock clock;
    win32_cursor cursor;
    win32_name_prompt name_prompt;
    win32_settings settings{store};
    sound_relay sound;
    program prog;
    config_settings& config;
    run_state& run;

    // The saver window's two sound controls and the procedures that drive them.
    std::unique_ptr<fxsnd_control_win32> fx1, fx2;
    std::unique_ptr<sound_procedures> sounds;
};

app_context& app();

// The program-wide window instances, each created when first asked for.
frm_newpassword& new_password_form();
frm_checkpassword& check_password_form();
frm_name& name_form();
frm_screensaver& screensaver_form();
frm_configuration& configuration_form();
frm_about& about_form();
frm_top10& top10_form();
frm_preview& preview_form();

}  // namespace glim::win32
