#include <gtest/gtest.h>

#include <vector>

#include "engine/game_events.h"
#include "platform/headless/recording_sound.h"
#include "tests/unit/engine/game_fixture.h"

using namespace glim;
using glim::testing::game_fixture;

namespace {

// Ends the current level at once: one brick left, with the ball just under it rising.
void last_brick_hit(game_fixture& f) {
    f.empty_field();
    f.brick(10, 2);
    f.g.bricks_total = 1;
    f.ball(10 * 32 + 4, 3 * 32 + 1, 1, -2);
    run_frame(f.p);
    ASSERT_EQ(f.g.level_cleared, 1);
}

}  // namespace

TEST(InitGame, StartsAtLevelOneWithThreeBallsAndAPause) {
    game_fixture f;
    f.p.cfg.speed = 3;
    f.g.level = 9;
    f.g.score = 500;
    f.g.speed_factor = 4;
    f.h.sound.clear();
    init_game(f.p);
    EXPECT_EQ(f.p.run.frame_delay, 8);
    EXPECT_EQ(f.g.level, 1);
    EXPECT_EQ(f.g.bricks_hit, 0);
    EXPECT_GT(f.g.bricks_total, 0);
    EXPECT_EQ(f.g.score, 0);
    EXPECT_EQ(f.g.speed_factor, 1);
    EXPECT_EQ(f.g.balls_left, 3);
    EXPECT_EQ(f.g.pause_timer, 200);
    EXPECT_EQ(f.g.spawn_slot, 2);
    EXPECT_EQ(f.g.spawn_mode, 1);
    EXPECT_EQ(f.g.level_cleared, 0);
    EXPECT_EQ(f.s.sprite_active[ball_slot], 0);
    EXPECT_EQ(f.s.sprite_dy[ball_slot], 0);
    EXPECT_EQ(f.p.run.play_mode, 0);
    const std::vector<sound_call> expected = {{sound_call::kind::init_sound},
                                              {sound_call::kind::set_music_busy, 0}};
    EXPECT_EQ(f.h.sound.calls, expected);
}

TEST(InitGame, FrameDelayFollowsTheSpeedAndKeepsItForOthers) {
    game_fixture f;
    f.p.cfg.speed = 1;
    init_game(f.p);
    EXPECT_EQ(f.p.run.frame_delay, 20);
    f.p.cfg.speed = 7;
    init_game(f.p);
    EXPECT_EQ(f.p.run.frame_delay, 20);
    f.p.cfg.speed = 2;
    init_game(f.p);
    EXPECT_EQ(f.p.run.frame_delay, 10);
}

TEST(InitGame, LeavesTheRunFlagsAndWhatOutlivesAGameAlone) {
    game_fixture f;
    auto& run = f.p.run;
    run.player_game = 0;
    run.play_mode = 0;
    run.frame_count = 37;
    run.activity_count = 5;
    run.launched_from_config = 1;
    f.g.hit_toggle = 1;
    f.g.paddle_dx = -2;
    f.g.cell_left = 64;
    f.g.cell_right = 95;
    init_game(f.p);
    EXPECT_EQ(run.player_game, 0);
    EXPECT_EQ(run.play_mode, 0);
    EXPECT_EQ(run.frame_count, 37);
    EXPECT_EQ(run.activity_count, 5);
    EXPECT_EQ(run.launched_from_config, 1);
    EXPECT_EQ(run.quit_requested, 0);
    // The brick sound's channel alternates across games, and the exact middle of the paddle
    // keeps the last bounce's speed even from a game before.
    EXPECT_EQ(f.g.hit_toggle, 1);
    EXPECT_EQ(f.g.paddle_dx, -2);
    EXPECT_EQ(f.g.cell_left, 64);
    EXPECT_EQ(f.g.cell_right, 95);
}

TEST(InitGame, APlayersGameFollowsTheMouseAndShowsScoreAndBalls) {
    game_fixture f;
    f.player();
    EXPECT_EQ(f.p.run.play_mode, 1);
    EXPECT_EQ(f.p.run.player_game, 1);
    EXPECT_EQ(f.p.run.activity_count, 0);
    // Digits 0 at 0..79 and three ball icons at 592..637 of row 0.
    EXPECT_EQ(f.p.background_copy.at(7, 7), f.p.sprite.at(370 + 7, 61 + 7));
    EXPECT_EQ(f.p.background_copy.at(624 + 7, 7), f.p.sprite.at(370 + 7, 7));
}

TEST(Pause, TheFirstBallComesInFrame200AndMovesInFrame201) {
    game_fixture f;
    f.frames(199);
    EXPECT_EQ(f.s.sprite_active[ball_slot], 0);
    EXPECT_EQ(f.g.pause_timer, 1);
    f.frames(1);
    EXPECT_EQ(f.g.pause_timer, 0);
    EXPECT_EQ(f.s.sprite_active[ball_slot], 1);
    EXPECT_EQ(f.by(), 192);  // placed, not yet moved
    EXPECT_EQ(f.h.sound.effects().back(), (sound_call{sound_call::kind::do_soundfx, 2, 0, -100}));
    f.frames(1);
    EXPECT_EQ(f.by(), 194);
    EXPECT_EQ(f.bx(), 313);
}

TEST(Pause, SparkleSlotsGoRoundAndBusySlotsDrawNothing) {
    game_fixture f;
    std::vector<int> tried;
    for (int i = 0; i < 9; ++i) {
        const auto before = f.p.rnd.state();
        // Slot 5 is made busy before its turn; slot 3 is still busy with its own sparkle when
        // its turn comes round again (no animation runs here).
        const bool busy = f.g.spawn_slot + 1 == 5 || i == 8;
        if (f.g.spawn_slot + 1 == 5) {
            f.s.sprite_active[5] = 1;
            f.s.sprite_anim[5] = 10;
            f.s.sprite_x[5] = -500;
        }
        pause_step(f.p);
        tried.push_back(f.g.spawn_slot);
        if (busy) {
            EXPECT_EQ(f.p.rnd.state(), before) << i;
        } else {
            EXPECT_NE(f.p.rnd.state(), before) << i;
        }
    }
    EXPECT_EQ(tried, (std::vector<int>{3, 4, 5, 6, 7, 8, 9, 2, 3}));
    EXPECT_EQ(f.s.sprite_x[5], -500);
}

TEST(Pause, SparklesOfModeOneStayInTheMiddleBandAboveThePaddle) {
    game_fixture f;
    for (int i = 0; i < 150; ++i) {
        pause_step(f.p);
        const auto slot = f.g.spawn_slot;
        if (f.s.sprite_active[slot] && f.s.sprite_anim_step[slot] == 0) {
            EXPECT_GE(f.s.sprite_x[slot], 310);
            EXPECT_LE(f.s.sprite_x[slot], 329);
            EXPECT_GE(f.s.sprite_y[slot], 155);
            EXPECT_LE(f.s.sprite_y[slot], 354);
        }
        frame_end(f.p);
    }
}

TEST(Pause, SparklesOfModeZeroRangeOverTheScreenSize) {
    game_fixture f(1365, 1024);
    f.g.spawn_mode = 0;
    double max_x = 0, max_y = 0, min_x = 1e9, min_y = 1e9;
    for (int i = 0; i < 3000; ++i) {
        f.g.pause_timer = 100;
        pause_step(f.p);
        const auto slot = f.g.spawn_slot;
        if (f.s.sprite_anim_step[slot] == 0 && f.s.sprite_active[slot]) {
            max_x = std::max(max_x, f.s.sprite_x[slot]);
            max_y = std::max(max_y, f.s.sprite_y[slot]);
            min_x = std::min(min_x, f.s.sprite_x[slot]);
            min_y = std::min(min_y, f.s.sprite_y[slot]);
        }
        frame_end(f.p);
    }
    EXPECT_GE(min_x, 1);
    EXPECT_GE(min_y, 1);
    EXPECT_LE(max_x, 1365);
    EXPECT_LE(max_y, 1024);
    EXPECT_GT(max_x, 640);  // beyond the field
    EXPECT_GT(max_y, 480);
}

TEST(Pause, FourHundredFramesFromTheLastBrickToTheNewBall) {
    game_fixture f;
    f.g.level = 4;
    last_brick_hit(f);
    EXPECT_EQ(f.g.spawn_mode, 0);
    f.frames(199);
    EXPECT_EQ(f.g.level, 4);
    f.frames(1);  // the end of the first pause: the next level is drawn
    EXPECT_EQ(f.g.level, 5);
    EXPECT_EQ(f.g.level_cleared, 0);
    EXPECT_EQ(f.g.spawn_mode, 1);
    EXPECT_EQ(f.g.pause_timer, 200);
    EXPECT_EQ(f.g.bricks_hit, 0);
    EXPECT_EQ(f.s.sprite_active[ball_slot], 0);
    f.expect_new_ball_after(200);
}

TEST(LevelChange, AfterLevelTwentyAPlayersGameWrapsFasterTheDemonstrationDoesNot) {
    for (const bool player : {false, true}) {
        game_fixture f;
        if (player) f.player();
        f.g.level = 20;
        last_brick_hit(f);
        f.frames(200);
        EXPECT_EQ(f.g.level, 1) << player;
        EXPECT_EQ(f.g.speed_factor, player ? 1.5 : 1) << player;
        f.frames(200);
        EXPECT_EQ(f.bdy(), player ? 3 : 2) << player;

        // A second wrap: 2, so new balls fall at 4 pixels a frame.
        f.g.level = 20;
        last_brick_hit(f);
        f.frames(400);
        EXPECT_EQ(f.bdy(), player ? 4 : 2) << player;
    }
}

TEST(FrameEnd, EffectsStateTwoSetsTheSoundUpAgain) {
    game_fixture f;
    f.h.sound.scripted_states = {0, 2, 1};
    f.frames(3);
    EXPECT_EQ(f.h.sound.count(sound_call::kind::effects_state), 3u);
    EXPECT_EQ(f.h.sound.count(sound_call::kind::init_sound), 1u);
}

TEST(GameStep, TheSameSeedAndClockPlayTheSameGame) {
    auto run = [](std::uint32_t seed) {
        game_fixture f;
        f.p.rnd.seed(seed);
        init_game(f.p);
        f.frames(20000);
        return std::tuple{f.g.level, f.g.bricks_hit, f.bx(),        f.by(),
                          f.bdx(),   f.px(),         f.g.aim_offset};
    };
    EXPECT_EQ(run(5), run(5));
}

TEST(GameStep, EventsArriveInTheOrderOfTheGame) {
    struct log : game_events {
        std::vector<std::string> seen;
        void pause_start(pause_kind k) override {
            seen.push_back(std::string("start ") + to_string(k));
        }
        void pause_end() override { seen.push_back("end"); }
        void new_ball(double) override { seen.push_back("ball"); }
        void level_change(std::int32_t l, double) override {
            seen.push_back("level " + std::to_string(l));
        }
        void brick_hit(std::int32_t, std::int32_t, std::int32_t points) override {
            seen.push_back("hit " + std::to_string(points));
        }
    } events;
    game_fixture f;
    f.p.events = &events;
    f.frames(200);
    f.g.level = 2;
    last_brick_hit(f);  // the ball's top at 95: k = 3, 65 points
    f.frames(400);
    const std::vector<std::string> expected = {
        "end", "ball", "hit 65", "start level cleared", "end", "level 3", "start new level",
        "end", "ball"};
    EXPECT_EQ(events.seen, expected);
}
