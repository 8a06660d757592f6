// The program's start: the mode switch of the command line, the window handle after "/P" and
// "/A", and the dispatch to the configuration dialog, a saver run, the preview or the
// change-password dialog.
#pragma once

#include "shell/settings_store.h"
#include "shell/state.h"
#include "shell/system.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace glim {

// The windows each mode opens. The start-up calls exactly one of them, after loading settings.
class shell_host {
  public:
    virtual ~shell_host() = default;
    virtual void show_configuration() = 0;  // frm_configuration, modeless
    virtual void show_screensaver() = 0;    // frm_screensaver, modeless; returns at once
    virtual void load_preview() = 0;        // frm_preview, loaded and not shown
    virtual void show_new_password() = 0;   // frm_newpassword, modeless
};

// The caption by which a saver run in progress is recognised.
inline constexpr const char* saver_caption = "screen saver running";

// The first two characters of the argument text, upper-cased; "" counts as "/C".
std::string mode_switch(std::string_view args);

// The number the argument text holds after its first two characters, rounded halves to even;
// 0 when it does not fit in 32 bits.
std::int32_t read_handle(std::string_view args);

// The whole start-up: records the twips per pixel, loads every setting, then dispatches on the
// mode switch. For "/S" it returns only through sys.end_program() (after the run), or at once
// when another run is in progress. args is the argument text after the program's own name.
void run_main(std::string_view args, config_settings& config, run_state& run, settings_store& store,
              system_api& sys, shell_host& host);

}  // namespace glim
