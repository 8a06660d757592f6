// The top-10 table: the ten best scores with their players' names, best first.
#pragma once

#include "app/app.h"
#include "platform/win32/forms.h"

namespace glim {

class frm_top10 : public win32::form {
  public:
    explicit frm_top10(win32::app_context& app);

    void Form_Load() override;
    void control_click(win32::control& c) override;

    void Command1_Click();

  private:
    win32::app_context& app_;
};

}  // namespace glim
