// The preview in the Display Properties window: a hidden form whose picture box is moved into the
// host window named on the command line, where it shows the preview picture. The form unloads
// itself, and with that the program ends, once the host has gone or has closed the picture.
#pragma once

#include <cstdint>

#include "dialogs/rules/preview_box.h"
#include "app/app.h"
#include "platform/win32/forms.h"
#include "platform/win32/msghook.h"

namespace glim {

class frm_preview : public win32::form {
  public:
    explicit frm_preview(win32::app_context& app);

    void Form_Load() override;
    void timer_tick(unsigned id) override;

    void Msghook1_OnMessage(std::int32_t msg, std::int32_t wparam, std::int32_t lparam,
                            std::int32_t& result);
    void Timer1_Timer();

  private:
    HWND host() const;

    win32::app_context& app_;
    win32::msghook Msghook1;
    host_client_rect preview_rect;
    std::int16_t preview_attached = 0;  // True is -1
};

}  // namespace glim
