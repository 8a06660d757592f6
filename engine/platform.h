// What the game needs of the platform it runs on, each piece as small as its callers need. The
// saver implements them with the window system; platform/headless/ implements them in memory.
// The shell's system_api (shell/system.h) carries the platform's other system calls; on every
// platform the event_clock below and that system_api are two views of the same system.
#pragma once

#include <cstdint>
#include <string>

#include "engine/surface.h"
#include "shell/state.h"

namespace glim {

// The saver window as a drawing destination, in screen pixels (BitBlt, StretchBlt), and the
// device queries asked of its device context (GetDeviceCaps).
class window_port : public paint_target {
  public:
    static constexpr std::int32_t bitspixel = 12;
    static constexpr std::int32_t planes = 14;
    virtual std::int32_t get_device_caps(std::int32_t index) = 0;
};

// The millisecond clock of the frame pacing and the one way the game lets window events in.
class event_clock {
  public:
    virtual ~event_clock() = default;
    // The multimedia clock in milliseconds, taken bit for bit as a signed 32-bit value.
    virtual std::int32_t get_time() = 0;
    // Processes the pending window events once; handlers of any window may run inside.
    virtual void process_events() = 0;
};

// A screen position (POINT).
struct point {
    std::int32_t x = 0, y = 0;
    bool operator==(const point&) const = default;
};

// The mouse cursor's screen position (GetCursorPos). Returns false, and leaves `where` alone,
// when the platform cannot tell.
class cursor_port {
  public:
    virtual ~cursor_port() = default;
    virtual bool get_cursor_pos(point& where) = 0;
};

// The name prompt of a top-10 entry, shown modally: the call returns when the prompt has closed.
// Like the prompt window itself, it leaves the typed text in run.entered_name and sets
// run.repaint_requested to 1 on closing.
class name_prompt_port {
  public:
    virtual ~name_prompt_port() = default;
    virtual void show_name_prompt(run_state& run) = 0;
};

// Writes every setting to the settings store.
class settings_port {
  public:
    virtual ~settings_port() = default;
    virtual void save_settings(config_settings& cfg) = 0;
};

}  // namespace glim
