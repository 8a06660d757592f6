// Entry point of the Windows program: the start-up chooses the mode; afterwards the program lives
// on window events for as long as one of its windows is loaded.
#include <windows.h>

#include <memory>

#include "dialogs/frm_newpassword.h"
#include "platform/win32/app.h"
#include "shell/startup.h"

namespace glim::win32 {

app_context& app() {
    static app_context a;
    return a;
}

frm_newpassword& new_password_form() {
    static std::unique_ptr<frm_newpassword> f;
    if (!f) f = std::make_unique<frm_newpassword>(app());
    return *f;
}

namespace {

class win32_host : public shell_host {
public:
    void show_configuration() override {}
    void show_screensaver() override { app().run.running = false; }
    void load_preview() override {}
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
