// The saver window's rules on the headless platform: set-up, the frame loop's pacing and its
// bookkeeping, the input that ends a run or hands over the paddle, and unloading.
#include "engine/saver_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/headless/headless_program.h"
#include "shell/system_helpers.h"

using namespace glim;

namespace {

const char* desktop = "Control Panel\\Desktop";

// The window as the rules see it: it records what they ask of it. Sleeping moves the headless
// clock on, as time passes while a real window sleeps.
class fake_saver_window : public saver_window_port {
  public:
    explicit fake_saver_window(headless_program& h, double w_px = 1024, double h_px = 768)
        : h_(h), width_(w_px * 15), height_(h_px * 15) {}

    void maximise() override { calls.push_back("maximise"); }
    void refresh() override { calls.push_back("refresh"); }
    double left_twips() override { return 0; }
    double top_twips() override { return 0; }
    double width_twips() override { return width_; }
    double height_twips() override { return height_; }
    void set_topmost(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t hh) override {
        calls.push_back("topmost " + std::to_string(x) + "," + std::to_string(y) + "," +
                        std::to_string(w) + "," + std::to_string(hh));
    }
    void retained_drawing_off() override { calls.push_back("retained off"); }
    void load_settings() override { calls.push_back("load_settings"); }
    void show_password_prompt() override {
        ++prompts;
        if (on_prompt) on_prompt();
    }
    void bring_password_prompt_forward() override { ++prompt_forward; }
    void unload_window() override {
        std::int16_t cancel = 0;
        saver_form_unload(h_.p, *this, cancel);
        if (cancel == 0) unloaded = true;
    }
    void wait_for_events(std::int32_t ms) override {
        // On Windows a negative wait is an endless one.
        if (ms < 0) throw std::invalid_argument("a wait without end");
        ++sleeps;
        // A message due within the wait ends it early; the next processing of events gets it.
        if (message_after >= 0 && message_after < ms) {
            ms = message_after;
            message_after = -1;
            message_pending = true;
        }
        slept_ms += ms;
        h_.system.advance(ms);
    }
    void fine_timer(bool on) override { calls.push_back(on ? "fine timer on" : "fine timer off"); }

    std::vector<std::string> calls;
    int prompts = 0;
    int prompt_forward = 0;
    int sleeps = 0;
    std::int64_t slept_ms = 0;
    std::int32_t message_after = -1;  // ms into the next wait; -1: none
    bool message_pending = false;
    bool unloaded = false;
    std::function<void()> on_prompt;

  private:
    headless_program& h_;
    double width_, height_;
};

// A saver run: loads the window and runs its activation (set-up and frame loop), calling
// `input(frame)` at every processing of events; frame 0 is the set-up, then 1, 2, ...
struct saver_run {
    headless_program h;
    fake_saver_window w;
    std::int32_t frame = 0;
    std::int32_t events_in_frame = 0;
    std::int32_t last_start = -1;
    std::function<void(std::int32_t frame)> input;
    std::int32_t frame_limit = 3000;

    explicit saver_run(std::int32_t width = 1024, std::int32_t height = 768)
        : h(width, height), w(h, width, height) {
        h.system.on_process_events = [this] {
            if (h.p.run.in_main_loop && h.p.run.frame_start != last_start && h.p.run.frame_start) {
                last_start = h.p.run.frame_start;
                ++frame;
                events_in_frame = 0;
            }
            ++events_in_frame;
            if (frame > frame_limit) h.p.run.running = false;  // a test that never ends
            if (input) input(frame);
        };
    }
    void password_option(const char* value) {
        h.system.set_registry_string(hkey_current_user, desktop, "ScreenSaveUsePassword", value);
    }
    void run() {
        saver_form_load(h.p, w);
        saver_form_activate(h.p, w);
    }
};

}  // namespace

TEST(SaverWindow, LoadingHidesTheCursorAndSetsTheSaverFlags) {
    saver_run r;
    r.h.system.cursor_count = 2;
    saver_form_load(r.h.p, r.w);
    const run_state& run = r.h.p.run;
    EXPECT_TRUE(run.running);
    EXPECT_EQ(run.in_main_loop, 1);
    EXPECT_EQ(run.activity_limit, 20);
    EXPECT_EQ(run.activated, 0);
    EXPECT_LT(r.h.system.cursor_count, 0);
    EXPECT_EQ(r.h.system.count("system_parameters_info"), 2u);
    EXPECT_EQ(r.w.calls, std::vector<std::string>{"fine timer on"});
}

TEST(SaverWindow, SetUpPlacesTheFieldAndRepaintsItInTheFirstFrame) {
    struct screen {
        double w, h, fx, fy;
        std::int32_t drawn_x;
    };
    for (screen s :
         {screen{1024, 768, 192, 144, 192}, screen{800, 600, 80, 60, 80}, screen{640, 480, 0, 0, 0},
          screen{1365, 768, 362.5, 144, 362}, screen{1367, 768, 363.5, 144, 364}}) {
        saver_run r(static_cast<std::int32_t>(s.w), static_cast<std::int32_t>(s.h));
        r.h.window.record_copies = true;
        r.input = [&](std::int32_t frame) {
            if (frame == 1) saver_form_click(r.h.p);
        };
        r.run();
        EXPECT_DOUBLE_EQ(r.h.p.run.field_x, s.fx);
        EXPECT_DOUBLE_EQ(r.h.p.run.field_y, s.fy);
        EXPECT_EQ(r.h.p.run.screen_w, static_cast<std::int32_t>(s.w));
        // The whole clean field reaches the screen in the first frame.
        bool repainted = false;
        for (const auto& c : r.h.window.copies)
            if (c.x == s.drawn_x && c.w == 640 && c.h == 480) repainted = true;
        EXPECT_TRUE(repainted) << s.w;
        EXPECT_TRUE(r.w.unloaded);
    }
}

TEST(SaverWindow, SetUpStepsRunInOrderAndOnlyOnce) {
    saver_run r;
    r.input = [&](std::int32_t frame) {
        if (frame == 3) {
            // A dialog closing over the window activates it again: nothing runs twice.
            saver_form_activate(r.h.p, r.w);
            saver_form_click(r.h.p);
        }
    };
    r.run();
    std::vector<std::string> expected = {
        "fine timer on",        "maximise", "refresh",      "load_settings",
        "topmost 0,0,1024,768", "refresh",  "retained off", "fine timer off"};
    EXPECT_EQ(r.w.calls, expected);
    EXPECT_EQ(r.frame, 3);
}

TEST(SaverWindow, ConfigPreviewIsNotMadeTopmostAndEndsWithoutPassword) {
    saver_run r;
    r.password_option("1");
    r.h.p.run.in_config_preview = 1;
    r.input = [&](std::int32_t frame) {
        if (frame == 2) saver_form_click(r.h.p);
    };
    r.run();
    for (const auto& c : r.w.calls) EXPECT_EQ(c.rfind("topmost", 0), std::string::npos);
    EXPECT_EQ(r.w.prompts, 0);
    EXPECT_EQ(r.frame, 2);
}

TEST(SaverWindow, AClickEndsTheRunAtTheEndOfThatFrame) {
    saver_run r;
    r.input = [&](std::int32_t frame) {
        if (frame == 5 && r.events_in_frame == 1) saver_form_key_press(r.h.p);
    };
    r.run();
    EXPECT_EQ(r.frame, 5);
    EXPECT_TRUE(r.w.unloaded);
    EXPECT_FALSE(r.h.p.run.running);
    EXPECT_EQ(r.h.p.run.in_main_loop, 0);
    EXPECT_GE(r.h.system.cursor_count, 0);  // the cursor is back
}

TEST(SaverWindow, InputInTheFrameThatReachesEightyIsCleared) {
    saver_run r;
    r.input = [&](std::int32_t frame) {
        if (frame == 80 && r.events_in_frame == 1) saver_form_click(r.h.p);
        if (frame == 83 && r.events_in_frame == 1) saver_form_click(r.h.p);
    };
    r.run();
    EXPECT_EQ(r.frame, 83);
}

TEST(SaverWindow, WithThePasswordOptionAClickShowsOnePromptAndTheGameGoesOn) {
    saver_run r;
    r.password_option("1");
    std::int32_t cancelled_in = 0;
    r.input = [&](std::int32_t frame) {
        if (r.events_in_frame != 1) return;
        if (frame == 10 || frame == 12) saver_form_click(r.h.p);  // the second: prompt is up
        if (frame == 20) {
            // "Cancel": the prompt goes away and the field is repainted.
            r.h.p.run.password_shown = 0;
            r.h.p.run.activity_count = 0;
            r.h.p.run.repaint_requested = 1;
            cancelled_in = frame;
        }
        if (frame == 30) saver_form_click(r.h.p);
        if (frame == 35) {
            // The right password.
            r.h.p.run.password_shown = 0;
            r.h.p.run.quit_requested = 1;
        }
    };
    r.run();
    EXPECT_EQ(r.w.prompts, 2);
    EXPECT_EQ(cancelled_in, 20);
    EXPECT_EQ(r.frame, 35);
}

TEST(SaverWindow, AClickOrAKeyWhileThePromptIsUpBringsItBackInFront) {
    saver_run r;
    saver_form_click(r.h.p, r.w);
    EXPECT_EQ(r.w.prompt_forward, 0);
    r.h.p.run.password_shown = 1;
    saver_form_click(r.h.p, r.w);
    saver_form_key_press(r.h.p, r.w);
    EXPECT_EQ(r.w.prompt_forward, 2);
}

TEST(SaverWindow, QuitWaitsWhileThePromptIsUp) {
    saver_run r;
    r.password_option("1");
    r.input = [&](std::int32_t frame) {
        if (r.events_in_frame != 1) return;
        if (frame == 4) saver_form_click(r.h.p);
        if (frame == 6) r.h.p.run.quit_requested = 1;  // the prompt is still up
        if (frame == 9) r.h.p.run.password_shown = 0;
    };
    r.run();
    EXPECT_EQ(r.frame, 9);
}

TEST(SaverWindow, SevenMouseMovesWithinOneWindowStartAPlayersGame) {
    saver_run r;
    r.input = [&](std::int32_t frame) {
        if (r.events_in_frame != 1) return;
        if (frame >= 10 && frame < 17) saver_form_mouse_move(r.h.p);
        if (frame == 17) {
            EXPECT_EQ(r.h.p.run.player_game, 1);
            EXPECT_EQ(r.h.p.run.play_mode, 1);
            EXPECT_EQ(r.h.p.game.balls_left, 3);
            // Moves in a player's game are not counted, so they never end the run.
            for (int i = 0; i < 30; ++i) saver_form_mouse_move(r.h.p);
        }
        if (frame == 19) saver_form_click(r.h.p);
    };
    r.run();
    EXPECT_EQ(r.frame, 19);
}

TEST(SaverWindow, MovesSplitOverTwoWindowsStartNothing) {
    saver_run r;
    r.input = [&](std::int32_t frame) {
        if (r.events_in_frame != 1) return;
        if (frame >= 75 && frame <= 81) saver_form_mouse_move(r.h.p);  // 6 before 80, 1 after
        if (frame == 90) {
            EXPECT_EQ(r.h.p.run.player_game, 0);
            EXPECT_EQ(r.h.p.run.play_mode, 0);
            saver_form_click(r.h.p);
        }
    };
    r.run();
    EXPECT_EQ(r.frame, 90);
}

TEST(SaverWindow, FramesAreNeverShorterThanTheDelayAndSleepInsteadOfSpinning) {
    for (std::int32_t speed : {1, 2, 3}) {
        saver_run r;
        r.h.p.cfg.speed = speed;
        std::vector<std::int32_t> starts;
        std::int32_t most_events = 0;
        r.input = [&](std::int32_t frame) {
            if (r.events_in_frame == 1) starts.push_back(r.h.p.run.frame_start);
            most_events = std::max(most_events, r.events_in_frame);
            if (frame == 50) saver_form_click(r.h.p);
        };
        r.run();
        const std::int32_t delay = frame_delay_for(speed);
        ASSERT_GT(starts.size(), 10u);
        for (std::size_t i = 2; i < starts.size(); ++i)
            EXPECT_GE(starts[i] - starts[i - 1], delay) << speed;
        // With no message, a frame sleeps once through the rest of its time: no polling.
        EXPECT_EQ(most_events, 2) << speed;
        EXPECT_LE(r.w.sleeps, 50) << speed;
    }
}

TEST(SaverWindow, AMessageArrivingDuringTheWaitIsHandledInThatFrame) {
    saver_run r;
    std::vector<std::int32_t> starts;
    std::int32_t handled_in = 0;
    r.input = [&](std::int32_t frame) {
        if (r.events_in_frame == 1) {
            starts.push_back(r.h.p.run.frame_start);
            if (frame == 5) r.w.message_after = 3;
            if (frame == 8) saver_form_click(r.h.p);
        }
        if (r.w.message_pending) {
            r.w.message_pending = false;
            handled_in = frame;
            saver_form_mouse_move(r.h.p);
        }
    };
    r.run();
    EXPECT_EQ(handled_in, 5);
    ASSERT_EQ(starts.size(), 9u);  // the set-up's, then frames 1 to 8
    // The wait goes on after the message: that frame is not cut short.
    EXPECT_GE(starts[6] - starts[5], 10);
}

TEST(SaverWindow, TheClockWrapNeitherStallsNorShortensAFrame) {
    // The clock turns negative after 2^31 - 1 ms and wraps to 0 after 2^32 - 1 ms.
    for (std::uint32_t start : {0x7FFFFFFFu - 40, 0xFFFFFFFFu - 40}) {
        saver_run r;
        r.h.system.clock = start;
        std::vector<std::uint32_t> starts;
        r.input = [&](std::int32_t frame) {
            if (r.events_in_frame == 1)
                starts.push_back(static_cast<std::uint32_t>(r.h.p.run.frame_start));
            if (frame == 12) saver_form_click(r.h.p);
        };
        r.run();
        EXPECT_EQ(r.frame, 12);
        for (std::size_t i = 2; i < starts.size(); ++i) {
            std::uint32_t gap = starts[i] - starts[i - 1];
            EXPECT_GE(gap, 10u) << start;
            EXPECT_LT(gap, 20u) << start;
        }
    }
}

TEST(SaverWindow, ASpeedThatNamesNoDelayProcessesEventsOncePerFrame) {
    saver_run r;
    r.h.p.cfg.speed = 4;
    r.input = [&](std::int32_t frame) {
        if (frame == 20) saver_form_click(r.h.p);
    };
    r.run();
    EXPECT_EQ(r.h.p.run.frame_delay, 0);
    EXPECT_EQ(r.w.sleeps, 0);
    EXPECT_EQ(r.events_in_frame, 1);
}

TEST(SaverWindow, AnUnloadFromOutsideIsRefusedAndStopsTheLoop) {
    saver_run r;
    int refusals = 0;
    r.input = [&](std::int32_t frame) {
        if (frame == 7 && r.events_in_frame == 1) {
            std::int16_t cancel = 0;
            saver_form_unload(r.h.p, r.w, cancel);
            refusals += cancel;
        }
    };
    r.run();
    EXPECT_EQ(refusals, 1);
    EXPECT_EQ(r.frame, 7);
    EXPECT_TRUE(r.w.unloaded);
    // Both unloads stopped the sound and switched the flags back.
    EXPECT_EQ(r.h.system.count("system_parameters_info"), 2u + 4u);
}
