// The password prompt over the running saver: the right password ends the run; "Cancel" or 20
// seconds close the prompt and the saver goes on.
#pragma once

#include "app/app.h"
#include "platform/win32/forms.h"

namespace glim {

class frm_checkpassword : public win32::form {
  public:
    explicit frm_checkpassword(win32::app_context& app);

    void Form_Load() override;
    void Form_Unload(std::int16_t& cancel) override;
    void control_click(win32::control& c) override;
    void control_key_press(win32::control& c, std::int16_t& key) override;
    void timer_tick(unsigned id) override;

    void Command1_Click();
    void Command2_Click();
    void Text1_KeyPress(std::int16_t& key);
    void Timer1_Timer();

    // Back in front of the saver, active, with the keyboard in the box; with the wrong-password
    // message up, that message in front of it, active, instead. Nothing else changes.
    void bring_forward();

    static constexpr unsigned timer1 = 1;
    static constexpr unsigned timer1_interval = 20000;

  private:
    win32::app_context& app_;
};

}  // namespace glim
