// The change-password dialog: the new password typed twice, checked, scrambled and stored.
#pragma once

#include "app/app.h"
#include "platform/win32/forms.h"

namespace glim {

class frm_newpassword : public win32::form {
  public:
    explicit frm_newpassword(win32::app_context& app);

    void Form_Load() override;
    void control_click(win32::control& c) override;

    void OK_Click();
    void Cancel_Click();

  private:
    win32::app_context& app_;
};

}  // namespace glim
