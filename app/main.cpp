// Entry point of the Windows program: the start-up chooses the mode; afterwards the program lives
// on window events for as long as one of its windows is loaded.
#include <windows.h>

#include "dialogs/frm_about.h"
#include "dialogs/frm_checkpassword.h"
#include "dialogs/frm_configuration.h"
#include "dialogs/frm_name.h"
#include "dialogs/frm_newpassword.h"
#include "dialogs/frm_preview.h"
#include "dialogs/frm_top10.h"
#include "engine/sound/sound_procedures.h"
#include "app/app.h"
#include "app/frm_screensaver.h"
#include "platform/win32/fxsnd_control.h"
#include "shell/startup.h"

namespace glim::win32 {

app_context::app_context()
    : prog(platform_ports{window, clock, sys, cursor, name_prompt, settings, sound}),
      config(prog.cfg), run(prog.run) {
    fx1 = std::make_unique<fxsnd_control_win32>();
    fx2 = std::make_unique<fxsnd_control_win32>();
    sounds = std::make_unique<sound_procedures>(prog.cfg, prog.rnd, *fx1, *fx2, clock);
    sound.attach(sounds.get());
}

app_context::~app_context() {
    sound.attach(nullptr);
}

app_context& app() {
    static app_context a;
    return a;
}

namespace {
template <class Form> Form& instance() {
    static std::unique_ptr<Form> f;
    if (!f) f = std::make_unique<Form>(app());
    return *f;
}
}  // namespace

frm_newpassword& new_password_form() {
    return instance<frm_newpassword>();
}
frm_checkpassword& check_password_form() {
    return instance<frm_checkpassword>();
}
frm_name& name_form() {
    return instance<frm_name>();
}
frm_screensaver& screensaver_form() {
    return instance<frm_screensaver>();
}
frm_configuration& configuration_form() {
    return instance<frm_configuration>();
}
frm_about& about_form() {
    return instance<frm_about>();
}
frm_top10& top10_form() {
    return instance<frm_top10>();
}
frm_preview& preview_form() {
    return instance<frm_preview>();
}

void win32_name_prompt::show_name_prompt(run_state&) {
    name_form().show_modal();
}

namespace {

class win32_host : public shell_host {
  public:
    void show_configuration() override { configuration_form().show_modeless(); }
    void show_screensaver() override { screensaver_form().show_modeless(); }
    void load_preview() override { preview_form().load(); }
    void show_new_password() override { new_password_form().show_modeless(); }
};

}  // namespace
}  // namespace glim::win32

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR cmd_line, int) {
    using namespace glim::win32;
    auto& a = app();
    win32_host host;
    glim::run_main(cmd_line ? cmd_line : "", a.config, a.run, a.store, a.sys, host);
    while (loaded_form_count() > 0) {
        process_events();
        if (loaded_form_count() > 0) WaitMessage();
    }
    return 0;
}
