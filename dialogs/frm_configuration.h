// The configuration dialog: the sound options and the speed, the top-10 table, the about box,
// the password, the maker's home page and catalogue, and the hover highlighting of its controls.
#pragma once

#include <cstdint>
#include <memory>

#include "dialogs/rules/hover.h"
#include "app/app.h"
#include "platform/win32/forms.h"

namespace glim {

class frm_configuration : public win32::form {
  public:
    explicit frm_configuration(win32::app_context& app);
    ~frm_configuration() override;

    void Form_Load() override;
    void Form_Unload(std::int16_t& cancel) override;
    void Form_MouseMove() override;
    void control_click(win32::control& c) override;
    void control_mouse_move(win32::control& c) override;

    void update_settings();
    void Label1_Click(int index);
    void Label2_Click();
    void Label3_Click();
    void Label4_Click();
    void Label5_Click();
    void Label7_Click();
    void Label8_Click();
    void Image1_Click();

  protected:
    LRESULT handle_message(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void open_home_page();
    // White text and the frame around one of the controls that light up.
    void highlight(win32::control& c, hover_kind kind);

    win32::app_context& app_;
    std::unique_ptr<win32::fxsnd_control_win32> FXSnd1;
};

}  // namespace glim
