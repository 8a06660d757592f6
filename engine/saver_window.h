// The saver window's life: loading, the one-time set-up at its first activation, the paced frame
// loop that runs inside that activation, the input that ends the run or hands the paddle to the
// user, and unloading. The window itself is the platform's; these rules reach it through
// saver_window_port.
#pragma once

#include <cstdint>

#include "engine/program.h"

namespace glim {

class saver_window_port {
  public:
    virtual ~saver_window_port() = default;
    // Sets the window's state to maximised (when it is not already).
    virtual void maximise() = 0;
    // Brings what was drawn on the window to the screen.
    virtual void refresh() = 0;
    // The window's place and size in twips.
    virtual double left_twips() = 0;
    virtual double top_twips() = 0;
    virtual double width_twips() = 0;
    virtual double height_twips() = 0;
    // SetWindowPos(window, HWND_TOPMOST, x, y, w, h, 0).
    virtual void set_topmost(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) = 0;
    // From here on the window keeps what is on it as its background, and every later drawing
    // goes straight to the screen.
    virtual void retained_drawing_off() = 0;
    // Reads every setting anew from the settings store into the program.
    virtual void load_settings() = 0;
    // Shows the password prompt without waiting for it (creating it on first use).
    virtual void show_password_prompt() = 0;
    // Brings the password prompt that is up back in front of the window, active, with the
    // keyboard in its box.
    virtual void bring_password_prompt_forward() = 0;
    // Unloads the window (its unload handler runs).
    virtual void unload_window() = 0;
    // Sleeps until a window message arrives or ms milliseconds have passed, and no longer: the
    // frame's deadline is ms from now.
    virtual void wait_for_events(std::int32_t ms) = 0;
    // Asks the platform for a 1 ms timer resolution for the length of a run, and gives it back.
    virtual void fine_timer(bool on) = 0;
    // Told the start of every frame (for measuring the pacing); nothing by default.
    virtual void frame_begun(std::int32_t frame_start) {}
};

// The field's top-left corner on the screen: half the screen less half the field, kept as a
// double that may end in .5.
double field_offset(std::int32_t screen_size, std::int32_t field_size);

void saver_form_load(program& p, saver_window_port& w);
// The first activation after loading sets the run up and runs the frame loop until the run is
// over; later activations return at once.
void saver_form_activate(program& p, saver_window_port& w);
void main_loop(program& p, saver_window_port& w);
// One pass of the loop (steps 2 to 11); false when the loop is to end after it.
bool run_one_frame(program& p, saver_window_port& w);
void saver_form_click(program& p);
void saver_form_key_press(program& p);
// The same, on the window: while the password prompt is up the click or key also brings the
// prompt back in front, since a click on the saver raises it over the prompt and takes the
// keyboard, and the password typed next would never reach the prompt.
void saver_form_click(program& p, saver_window_port& w);
void saver_form_key_press(program& p, saver_window_port& w);
void saver_form_mouse_move(program& p);
void saver_form_unload(program& p, saver_window_port& w, std::int16_t& cancel);

// The milliseconds of one frame at a speed: 20, 10 or 8; 0 for a speed that names none.
std::int32_t frame_delay_for(std::int32_t speed);

// The pacing wait, which never returns before frame_delay milliseconds have passed since
// frame_start (across the clock's wrap too) and processes events at least once. It sleeps through
// the rest of the frame, waking only for window messages, so a run keeps no processor busy.
void pacing_wait(program& p, saver_window_port& w);

}  // namespace glim
