#include "tools/sim/sim_game.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <optional>

#include "engine/frame_driver.h"
#include "engine/game.h"
#include "engine/game_events.h"
#include "engine/game_steps.h"
#include "platform/headless/bmp_file.h"
#include "platform/headless/headless_program.h"
#include "shell/numbers.h"

namespace glim {

namespace {

// How the simulated player moves the mouse.
struct player_plan {
    enum class kind { follow, lag, sweep, still } what = kind::follow;
    std::int32_t value = 0;  // lag: frames late; sweep: pixels per frame; still: the x
};

struct game_options {
    std::int64_t frames = 1000;
    std::uint32_t seed = 1;
    std::optional<player_plan> player;
    std::int64_t take_over_at = 0;
    std::string image;
    std::string name = "Player";
    bool trace = false;
    std::int32_t screen_w = 1024, screen_h = 768;
    std::string source_dir;
};

template <typename T> bool read_whole(std::string_view s, T& v) {
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return ec == std::errc{} && end == s.data() + s.size();
}

std::optional<player_plan> read_plan(std::string_view s) {
    player_plan plan;
    const auto colon = s.find(':');
    const std::string_view name = s.substr(0, colon);
    const std::string_view arg = colon == std::string_view::npos ? "" : s.substr(colon + 1);
    if (name == "follow") {
        plan.what = player_plan::kind::follow;
        return arg.empty() ? std::optional(plan) : std::nullopt;
    }
    if (name == "lag")
        plan.what = player_plan::kind::lag, plan.value = 8;
    else if (name == "sweep")
        plan.what = player_plan::kind::sweep, plan.value = 4;
    else if (name == "still")
        plan.what = player_plan::kind::still, plan.value = 275;
    else
        return std::nullopt;
    if (!arg.empty() && !read_whole(arg, plan.value)) return std::nullopt;
    if (plan.what != player_plan::kind::still && plan.value <= 0) return std::nullopt;
    return plan;
}

// The events of the game, one line each, with the frame they happened in.
class event_printer : public game_events {
  public:
    event_printer(std::ostream& out, const std::int64_t& frame) : out_(out), frame_(frame) {}

    void brick_hit(std::int32_t column, std::int32_t row, std::int32_t points) override {
        line() << "brick hit column " << column << " row " << row << " points " << points << '\n';
    }
    void ball_lost(std::int32_t balls_left) override {
        line() << "ball lost, balls left " << balls_left << '\n';
    }
    void pause_start(pause_kind why) override {
        last_pause_ = why;
        line() << "pause start (" << to_string(why) << ")\n";
    }
    void pause_end() override { line() << "pause end (" << to_string(last_pause_) << ")\n"; }
    void level_change(std::int32_t level, double speed_factor) override {
        line() << "level change to " << level << ", speed factor " << speed_factor << '\n';
        ++level_changes;
    }
    void new_ball(double dy) override { line() << "new ball, falling " << dy << " a frame\n"; }
    void game_over(double score) override {
        line() << "game over, score " << score << '\n';
        ++games_over;
    }
    void top10_entry(std::int32_t pos, const std::string& name, std::int32_t value) override {
        line() << "top-10 entry at place " << pos << ": " << name << ' ' << value << '\n';
    }

    std::int64_t level_changes = 0;
    std::int64_t games_over = 0;

  private:
    std::ostream& line() { return out_ << "frame " << frame_ << ": "; }
    std::ostream& out_;
    const std::int64_t& frame_;
    pause_kind last_pause_ = pause_kind::game_start;
};

// The mouse x that the plan gives for this frame.
std::int32_t plan_x(const player_plan& plan, const program& p, std::deque<double>& history,
                    std::int64_t frame) {
    const double aim = p.sprites.sprite_x[ball_slot] + ball_centre - paddle_width(p) / 2;
    switch (plan.what) {
    case player_plan::kind::follow: return round_even(aim);
    case player_plan::kind::lag: {
        history.push_back(aim);
        while (history.size() > static_cast<std::size_t>(plan.value) + 1) history.pop_front();
        return round_even(history.front());
    }
    case player_plan::kind::sweep: {
        const std::int64_t span = 2 * 550;
        const std::int64_t t = (frame * plan.value) % span;
        return static_cast<std::int32_t>(t <= 550 ? t : span - t);
    }
    case player_plan::kind::still: return plan.value;
    }
    return 0;
}

void print_state(std::ostream& out, const char* what, std::int64_t frame, const program& p) {
    const auto& g = p.game;
    const auto& s = p.sprites;
    out << what << " frame " << frame << ": " << (p.run.player_game ? "player" : "demo")
        << " level " << g.level << " bricks " << g.bricks_hit << '/' << g.bricks_total << " score "
        << g.score << " balls " << g.balls_left << " pause " << g.pause_timer << " speed_factor "
        << g.speed_factor << " paddle " << s.sprite_x[paddle_slot];
    if (s.sprite_active[ball_slot])
        out << " ball " << s.sprite_x[ball_slot] << ',' << s.sprite_y[ball_slot] << " speed "
            << s.sprite_dx[ball_slot] << ',' << s.sprite_dy[ball_slot];
    else
        out << " ball off";
    out << '\n';
}

}  // namespace

const char* game_usage() {
    return "  --frames N        frames to run (default 1000)\n"
           "  --seed S          seed of the random numbers (default 1)\n"
           "  --player PLAN     a player takes over; the mouse x follows PLAN:\n"
           "                    follow | lag[:K frames] | sweep[:pixels a frame] | still[:x]\n"
           "  --take-over F     the frame before which the player takes over (default 0)\n"
           "  --name NAME       the name typed for a top-10 entry (default Player)\n"
           "  --screen WxH      the screen size (default 1024x768)\n"
           "  --image FILE      write the screen after the last frame as a .bmp\n"
           "  --trace           also print the game's state after every frame\n";
}

bool is_game_option(std::string_view arg) {
    for (std::string_view o : {"--frames", "--seed", "--player", "--take-over", "--name",
                               "--screen", "--image", "--trace"})
        if (arg == o) return true;
    return false;
}

int run_game_simulation(const std::vector<std::string>& args, std::ostream& out,
                        std::ostream& err) {
    game_options o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool has_value = i + 1 < args.size();
        auto bad = [&](const char* why) {
            err << "glimbrook-sim: " << a << ": " << why << '\n' << game_usage();
            return 2;
        };
        if (a == "--trace") {
            o.trace = true;
            continue;
        }
        if (!has_value) return bad("needs a value");
        const std::string& v = args[++i];
        if (a == "--frames") {
            if (!read_whole(std::string_view(v), o.frames) || o.frames < 0)
                return bad("not a count");
        } else if (a == "--seed") {
            if (!read_whole(std::string_view(v), o.seed)) return bad("not a number");
        } else if (a == "--player") {
            o.player = read_plan(v);
            if (!o.player) return bad("unknown plan");
        } else if (a == "--take-over") {
            if (!read_whole(std::string_view(v), o.take_over_at) || o.take_over_at < 0)
                return bad("not a frame");
        } else if (a == "--name") {
            o.name = v;
        } else if (a == "--screen") {
            const auto x = v.find('x');
            if (x == std::string::npos ||
                !read_whole(std::string_view(v).substr(0, x), o.screen_w) ||
                !read_whole(std::string_view(v).substr(x + 1), o.screen_h) || o.screen_w <= 0 ||
                o.screen_h <= 0)
                return bad("not WxH");
        } else if (a == "--image") {
            o.image = v;
        } else {
            return bad("unknown option");
        }
    }

    headless_options ho = headless_program::sized(o.screen_w, o.screen_h);
    ho.pictures_from_files = true;
    headless_program h(ho);
    program& p = h.p;
    h.name_prompt.name = o.name;

    std::int64_t frame = 0;
    event_printer printer(out, frame);
    p.events = &printer;
    p.rnd.seed(o.seed);
    // The run's set-up: the first game, and the first frame repaints the whole field.
    init_game(p);
    p.run.repaint_requested = 1;

    std::deque<double> history;
    for (frame = 1; frame <= o.frames; ++frame) {
        if (o.player && frame == o.take_over_at + 1) {
            out << "frame " << frame << ": player takes over\n";
            take_over(p);
        }
        if (o.player && p.run.play_mode != 0)
            h.cursor.where = {plan_x(*o.player, p, history, frame), 0};
        run_frame(p);
        if (o.trace) print_state(out, "state", frame, p);
        // The recording sound keeps every call; a long run needs only the recent ones.
        if (h.sound.calls.size() > 4096) h.sound.clear();
    }
    print_state(out, "final", o.frames, p);
    out << "levels changed " << printer.level_changes << ", games over " << printer.games_over
        << ", settings saved " << h.settings.saved.size() << '\n';
    if (!h.settings.saved.empty()) {
        // The table as the settings store now holds it.
        out << "top 10 in the store:";
        for (int i = 1; i <= 10; ++i) {
            const auto n = std::to_string(i);
            out << ' ' << h.settings.store.get("name" + n).value_or("?") << '='
                << h.settings.store.get("sc" + n).value_or("?");
        }
        out << '\n';
    }
    if (!o.image.empty() && !write_bmp(o.image, h.window.screen)) {
        err << "glimbrook-sim: cannot write " << o.image << '\n';
        return 1;
    }
    return 0;
}

}  // namespace glim
