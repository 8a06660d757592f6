// The platform pieces of the game, in memory: a window that is a screen-sized picture, a clock
// that tests move by hand, a scripted cursor and name prompt, and a settings writer that keeps
// what it was given.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "engine/platform.h"
#include "engine/surface.h"
#include "platform/headless/fake_system.h"
#include "platform/headless/memory_store.h"

namespace glim {

// The saver window: the screen is a memory picture of the screen's size.
class headless_window : public window_port {
  public:
    headless_window(std::int32_t w, std::int32_t h) : screen(w, h) {}

    std::int32_t width() const override { return screen.width(); }
    std::int32_t height() const override { return screen.height(); }
    void blit(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, const surface& src,
              std::int32_t sx, std::int32_t sy, std::uint32_t op) override;
    void blit_within(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                     std::int32_t sx, std::int32_t sy) override;
    void stretch(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, const surface& src,
                 std::int32_t sx, std::int32_t sy, std::int32_t sw, std::int32_t sh) override;
    std::int32_t get_device_caps(std::int32_t index) override;

    surface screen;
    std::int32_t bits_per_pixel = 32;
    std::int32_t colour_planes = 1;
    // Every copy onto the window, oldest first: destination rectangle and raster operation.
    struct copy_record {
        std::int32_t x, y, w, h;
        std::uint32_t op;
    };
    std::vector<copy_record> copies;
    bool record_copies = false;
};

// The system calls of a long headless run, as the shell and as the game see them: the shell's
// recording fake, except that the clock and the processing of events (called every frame) are not
// recorded. The clock stands still unless
// moved: each processing of events moves it by `ms_per_event` (so that waits end) and then runs
// `on_process_events`, where a test plays its input.
class headless_system : public fake_system, public event_clock {
  public:
    headless_system() { clock = 1000; }
    std::uint32_t time_get_time() override { return clock; }
    std::int32_t get_time() override { return static_cast<std::int32_t>(clock); }
    void process_events() override;
    void advance(std::int32_t ms) { clock += static_cast<std::uint32_t>(ms); }

    std::int32_t ms_per_event = 1;
    std::int64_t events_processed = 0;
};

// The cursor at a scripted place: each reading takes the next scripted point while there is one,
// then stays at `where`.
class scripted_cursor : public cursor_port {
  public:
    bool get_cursor_pos(point& p) override;

    point where;
    std::deque<point> script;
    bool fails = false;  // readings that fail leave the caller's point alone
    std::int64_t readings = 0;
};

// The name prompt: "types" the next scripted name (or `name` when the script is empty), as the
// prompt does when it closes.
class scripted_name_prompt : public name_prompt_port {
  public:
    void show_name_prompt(run_state& run) override;

    std::string name = "Player";
    std::deque<std::string> script;
    std::int32_t shown = 0;
};

// Saves into an in-memory settings store, as the saver saves into the platform's, and keeps a
// copy of the settings of every save, oldest first.
class recording_settings : public settings_port {
  public:
    void save_settings(config_settings& cfg) override;
    memory_store store;
    std::vector<config_settings> saved;
};

}  // namespace glim
