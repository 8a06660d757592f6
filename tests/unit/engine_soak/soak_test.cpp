// Long runs of the whole game, frame by frame: the demonstration with several seeds and player's
// games with scripted mouse plans. After every frame the game's counters and indices must lie
// within their tables, and the screen must show the field exactly as background_work holds it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <set>

#include "engine/game_events.h"
#include "tests/unit/engine/game_fixture.h"

using namespace glim;
using glim::testing::game_fixture;

namespace {

constexpr std::int64_t soak_frames = 1'000'000;

struct watcher : game_events {
    std::set<std::int32_t> levels;
    std::int64_t wraps = 0, hits = 0, lost = 0, games_over = 0, entries = 0;
    double top_speed_factor = 1;
    void level_change(std::int32_t level, double sf) override {
        levels.insert(level);
        if (level == 1) ++wraps;
        top_speed_factor = std::max(top_speed_factor, sf);
    }
    void brick_hit(std::int32_t, std::int32_t, std::int32_t) override { ++hits; }
    void ball_lost(std::int32_t) override { ++lost; }
    void game_over(double) override { ++games_over; }
    void top10_entry(std::int32_t, const std::string&, std::int32_t) override { ++entries; }
};

// Every counter and index of the game within its range; returns a description of the first
// that is not, or an empty string.
std::string out_of_range(const program& p) {
    const auto& g = p.game;
    const auto& s = p.sprites;
    if (g.level < 1 || g.level > 20) return "level";
    if (g.pause_timer < 0 || g.pause_timer > 200) return "pause_timer";
    if (g.spawn_slot < 2 || g.spawn_slot > 9) return "spawn_slot";
    if (g.aim_timer < 1 || g.aim_timer > 900) return "aim_timer";
    if (g.aim_offset < 0 || g.aim_offset > 89) return "aim_offset";
    if (g.bricks_hit < 0 || g.bricks_hit > g.bricks_total) return "bricks_hit";
    if (g.paddle_anim_count < 0 || g.paddle_anim_count > 20) return "paddle_anim_count";
    for (const auto& column : g.brick_grid)
        for (auto v : column)
            if (v != 0 && v != 1) return "brick_grid value";
    for (int slot = 1; slot <= 10; ++slot) {
        if (s.sprite_image[slot] < 0 || s.sprite_image[slot] > 11) return "sprite_image";
        if (s.sprite_anim[slot] < 0 || s.sprite_anim[slot] > 10) return "sprite_anim";
        if (s.sprite_anim_step[slot] < 0 || s.sprite_anim_step[slot] > 52) return "anim step";
    }
    if (s.sprite_x[paddle_slot] < 0 || s.sprite_x[paddle_slot] > 550) return "paddle x";
    if (s.sprite_active[ball_slot] && g.pause_timer == 0) {
        const double x = s.sprite_x[ball_slot], y = s.sprite_y[ball_slot];
        if (x < 0 || x > 626) return "ball x";
        if (y < 1 - 1e-9 || y > 480) return "ball y";
    }
    return {};
}

// The field on the screen equals a field picture, pixel for pixel (even screen sizes, where the
// field offset is whole).
bool screen_shows(const game_fixture& f, const surface& work) {
    const auto& screen = f.h.window.screen;
    const auto fx = static_cast<std::int32_t>(f.p.run.field_x);
    const auto fy = static_cast<std::int32_t>(f.p.run.field_y);
    for (std::int32_t y = 0; y < field_height; ++y) {
        const pixel* a = &work.pixels()[static_cast<std::size_t>(y * work.width())];
        const pixel* b = &screen.pixels()[static_cast<std::size_t>((fy + y) * screen.width() + fx)];
        if (std::memcmp(a, b, sizeof(pixel) * field_width) != 0) return false;
    }
    return true;
}

// Runs n frames with the checks; `before_frame` may move the mouse or take over.
template <typename F> void soak(game_fixture& f, std::int64_t n, F before_frame) {
    // The run's first frame repaints the whole clean field.
    f.p.run.repaint_requested = 1;
    for (std::int64_t frame = 1; frame <= n; ++frame) {
        before_frame(frame);
        const auto prompts = f.h.name_prompt.shown;
        run_frame(f.p);
        const std::string bad = out_of_range(f.p);
        ASSERT_TRUE(bad.empty()) << bad << " at frame " << frame;
        // The whole field every 211 frames and in every frame with something to erase. A closing
        // name prompt has the frame end with the clean field repainted: the sprites come back
        // with the next frame.
        if (f.h.name_prompt.shown != prompts) {
            ASSERT_TRUE(screen_shows(f, f.p.background_copy)) << "frame " << frame;
        } else if (frame % 211 == 0 || f.g.pause_timer == 200) {
            ASSERT_TRUE(screen_shows(f, f.p.background_work)) << "frame " << frame;
        }
        if (f.h.sound.calls.size() > 4096) f.h.sound.clear();
    }
}

}  // namespace

class DemonstrationSoak : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(DemonstrationSoak, PlaysEveryLevelAndWrapsWithoutLeavingItsTables) {
    game_fixture f;
    watcher w;
    f.p.events = &w;
    f.p.rnd.seed(GetParam());
    init_game(f.p);
    soak(f, soak_frames, [](std::int64_t) {});
    EXPECT_EQ(w.levels.size(), 20u);
    EXPECT_GE(w.wraps, 1);
    EXPECT_EQ(w.top_speed_factor, 1);  // the demonstration never speeds up
    EXPECT_EQ(w.games_over, 0);
    EXPECT_EQ(f.p.run.player_game, 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, DemonstrationSoak, ::testing::Values(1u, 77u, 4242u));

TEST(PlayerSoak, AFollowingPlayerClearsLevelsAndSpeedsUpAfterEachRound) {
    game_fixture f;
    watcher w;
    f.p.events = &w;
    f.p.rnd.seed(9);
    init_game(f.p);
    f.player();
    // The mouse keeps the paddle's middle under the ball.
    soak(f, soak_frames, [&](std::int64_t) {
        f.h.cursor.where = {static_cast<std::int32_t>(f.bx() + 7 - 44), 0};
    });
    EXPECT_EQ(w.levels.size(), 20u);
    EXPECT_GE(w.wraps, 1);
    EXPECT_EQ(w.top_speed_factor, 1 + 0.5 * static_cast<double>(w.wraps));
    EXPECT_EQ(f.p.run.player_game, 1);
    EXPECT_LE(f.g.score, 99999);
}

TEST(PlayerSoak, SweepingPlayersLoseTheirGamesEnterTheTopTenAndTheDemonstrationReturns) {
    game_fixture f(640, 480);
    watcher w;
    f.p.events = &w;
    f.p.rnd.seed(31);
    init_game(f.p);
    std::int64_t speed = 3;
    // A player takes over whenever the demonstration has run for a while, and sweeps the mouse
    // back and forth at a speed that changes from game to game.
    soak(f, soak_frames / 4, [&](std::int64_t frame) {
        if (f.p.run.player_game == 0 && frame % 5000 == 0) {
            speed = speed % 9 + 2;
            f.h.name_prompt.name = "P" + std::to_string(frame);
            take_over(f.p);
        }
        const std::int64_t t = (frame * speed) % 1100;
        f.h.cursor.where = {static_cast<std::int32_t>(t <= 550 ? t : 1100 - t), 0};
    });
    EXPECT_GE(w.games_over, 20);
    EXPECT_GE(w.entries, 1);
    EXPECT_EQ(static_cast<std::int64_t>(f.h.settings.saved.size()), w.entries);
    // The table stays sorted best first.
    const auto& cfg = f.p.cfg;
    for (int i = 1; i < 10; ++i) EXPECT_GE(cfg.hiscore_value[i], cfg.hiscore_value[i + 1]);
}

TEST(PlayerSoak, FastBallsAfterManyRoundsStayInTheirTables) {
    // After many rounds of the twenty levels a player's balls get fast enough (from 87 pixels a
    // frame) to carry the brick probes beyond the grid's last row.
    for (const double sf : {5.5, 38.0, 40.0, 43.5, 88.0, 120.0}) {
        game_fixture f;
        watcher w;
        f.p.events = &w;
        f.p.rnd.seed(5);
        init_game(f.p);
        soak(f, 20000, [&](std::int64_t) {
            if (f.p.run.player_game == 0) take_over(f.p);
            f.g.speed_factor = sf;
            f.h.cursor.where = {static_cast<std::int32_t>(f.bx() + 7 - 44), 0};
        });
        // From 87 pixels a frame on the ball steps over the paddle's 11-pixel band.
        if (sf >= 43.5) {
            EXPECT_GT(w.lost, 0) << sf;
        }
    }
}
