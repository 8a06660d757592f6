// The saver window: a borderless window over the whole screen, captioned "screen saver running",
// that hosts the game. Its handlers hand over to the saver's rules in engine/saver_window.h.
#pragma once

#include <vector>

#include "engine/saver_window.h"
#include "app/app.h"
#include "platform/win32/forms.h"

namespace glim {

class frm_screensaver : public win32::form, public saver_window_port {
  public:
    explicit frm_screensaver(win32::app_context& app);

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Click() override;
    void Form_KeyPress(std::int16_t& key) override;
    void Form_MouseMove() override;
    void Form_Unload(std::int16_t& cancel) override;

    // saver_window_port
    void maximise() override;
    void refresh() override;
    double left_twips() override { return form::left_twips(); }
    double top_twips() override { return form::top_twips(); }
    double width_twips() override { return form::width_twips(); }
    double height_twips() override { return form::height_twips(); }
    void set_topmost(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) override;
    void retained_drawing_off() override;
    void load_settings() override;
    void show_password_prompt() override;
    void bring_password_prompt_forward() override;
    void unload_window() override { unload(); }
    void wait_for_events(std::int32_t ms) override;
    void fine_timer(bool on) override;
#ifdef GLIMBROOK_BENCH
    void frame_begun(std::int32_t frame_start) override;
#endif

  protected:
    LRESULT handle_message(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    win32::app_context& app_;
    bool fine_timer_ = false;
    // Where the millisecond clock's ticks begin on the performance counter, for sleeping to the
    // start of the frame's last tick.
    void sleep_to_next_tick();
    std::int64_t ticks_ = 0;
    DWORD last_tick_ = 0;
    double tick_origin_ = 0;
    bool tick_known_ = false;
#ifdef GLIMBROOK_BENCH
    std::vector<std::int32_t> frame_starts_;
#endif
};

}  // namespace glim
