// The about box: the saver's name and maker, a miniature of the game, and the home page.
#pragma once

#include "app/app.h"
#include "platform/win32/forms.h"

namespace glim {

class frm_about : public win32::form {
  public:
    explicit frm_about(win32::app_context& app);

    void Form_Load() override;
    void control_click(win32::control& c) override;

    void Command1_Click();
    void Command2_Click();

  private:
    win32::app_context& app_;
};

}  // namespace glim
