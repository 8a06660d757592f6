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

// A clock that stands still unless moved: each processing of events moves it by
// `ms_per_event` (so that waits end) and then runs `on_events`, where a test plays its input.
class fake_clock : public event_clock {
public:
    std::int32_t get_time() override { return now; }
    void process_events() override;
    void advance(std::int32_t ms);

    std::int32_t now = 1000;
    std::int32_t ms_per_event = 1;
    std::int64_t events_processed = 0;
    std::function<void()> on_events;
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

// Keeps a copy of every settings save, oldest first.
class recording_settings : public settings_port {
public:
    void save_settings(config_settings& cfg) override { saved.push_back(cfg); }
    std::vector<config_settings> saved;
};

}  // namespace glim
