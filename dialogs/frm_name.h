// The name prompt of a new top-10 entry, shown modally over the saver.
#pragma once

#include "app/app.h"
#include "platform/win32/forms.h"

namespace glim {

class frm_name : public win32::form {
  public:
    explicit frm_name(win32::app_context& app);

    void Form_Load() override;
    void Form_Unload(std::int16_t& cancel) override;
    void control_click(win32::control& c) override;
    void control_key_press(win32::control& c, std::int16_t& key) override;

    void Command1_Click();
    void Text1_KeyPress(std::int16_t& key);

  private:
    win32::app_context& app_;
};

}  // namespace glim
