#include <gtest/gtest.h>

#include <string>

#include "engine/drawing.h"
#include "platform/headless/recording_sound.h"
#include "tests/unit/engine/game_fixture.h"

using namespace glim;
using glim::testing::game_fixture;

namespace {

// The digit shown at score place i (0 to 4), read back from the clean field by matching the
// sheet's digit pictures.
int shown_digit(const program& p, int i) {
    for (int d = 0; d <= 9; ++d) {
        bool same = true;
        for (int y = 0; y < 14 && same; ++y)
            for (int x = 0; x < 16 && same; ++x)
                same = p.background_copy.at(16 * i + x, y) == p.sprite.at(370 + 16 * d + x, 61 + y);
        if (same) return d;
    }
    return -1;
}

std::string shown_score(const program& p) {
    std::string s;
    for (int i = 0; i < 5; ++i) s += static_cast<char>('0' + shown_digit(p, i));
    return s;
}

void set_table(config_settings& cfg, std::initializer_list<std::int32_t> values) {
    int i = 1;
    for (auto v : values) {
        cfg.hiscore_value[static_cast<std::size_t>(i)] = v;
        cfg.hiscore_name[static_cast<std::size_t>(i)] = "n" + std::to_string(i);
        ++i;
    }
}

}  // namespace

TEST(Scoring, RowPointsFollowTheBallsTopEdge) {
    EXPECT_EQ(5 * row_points(26), 75);
    EXPECT_EQ(5 * row_points(25.9), 80);
    EXPECT_EQ(5 * row_points(-6), 80);
    EXPECT_EQ(5 * row_points(314), 30);  // k = 10, a brick of row 9 hit from below
}

TEST(Scoring, ScoreShowsFiveDigitsInAllThreePlaces) {
    game_fixture f;
    f.player();
    EXPECT_EQ(shown_score(f.p), "00000");
    show_score(f.p, 345);
    EXPECT_EQ(f.g.score, 345);
    EXPECT_EQ(shown_score(f.p), "00345");
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 80; ++x) {
            ASSERT_EQ(f.p.background_work.at(x, y), f.p.background_copy.at(x, y));
            ASSERT_EQ(f.h.window.screen.at(192 + x, 144 + y), f.p.background_copy.at(x, y));
        }
}

TEST(Scoring, ScoreAbove99999StartsAgainFromZeroLosingTheHit) {
    game_fixture f;
    f.player();
    show_score(f.p, 99990);
    show_score(f.p, 5);
    EXPECT_EQ(f.g.score, 99995);
    show_score(f.p, 30);
    EXPECT_EQ(f.g.score, 0);
    EXPECT_EQ(shown_score(f.p), "00000");
    show_score(f.p, 99999);
    EXPECT_EQ(shown_score(f.p), "99999");
}

TEST(Scoring, DemonstrationNeitherCountsNorDrawsScoreOrBalls) {
    game_fixture f;
    const surface before = f.p.background_copy;
    f.h.window.record_copies = true;
    show_score(f.p, 80);
    show_score(f.p, 0);
    show_balls(f.p);
    EXPECT_EQ(f.g.score, 0);
    EXPECT_TRUE(f.h.window.copies.empty());
    EXPECT_EQ(f.p.background_copy, before);
}

TEST(Scoring, BallsLeftFillTheLeftmostPlaces) {
    game_fixture f;
    f.player();
    auto icon_at = [&](int place) {
        const int x = 592 + 16 * place;
        return f.p.background_copy.at(x + 7, 7) == f.p.sprite.at(370 + 7, 7);
    };
    for (int n = 3; n >= 0; --n) {
        f.g.balls_left = n;
        show_balls(f.p);
        for (int place = 0; place < 3; ++place) EXPECT_EQ(icon_at(place), place < n) << n;
    }
}

TEST(Scoring, BrickSoundsAlternateFourThreeFourWithRateByHeight) {
    game_fixture f;
    f.empty_field();
    f.ball(100, 26, 1, -2);
    hit_target(f.p);
    f.ball(100, 100, 1, -2);
    hit_target(f.p);
    f.ball(100, 200, 1, -2);
    hit_target(f.p);
    auto calls = f.h.sound.effects();
    // A new game does not reset the alternation.
    init_game(f.p);
    f.h.sound.clear();
    hit_target(f.p);
    calls.push_back(f.h.sound.effects().at(0));
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0], (sound_call{sound_call::kind::do_soundfx, 4, 500 + 2000 * 15, -100}));
    EXPECT_EQ(calls[1], (sound_call{sound_call::kind::do_soundfx, 3, 500 + 2000 * 13, -100}));
    EXPECT_EQ(calls[2].a, 4);
    EXPECT_EQ(calls[3].a, 3);
}

TEST(Scoring, SparklesTakeTheFreeSlotsFromFiveToNine) {
    game_fixture f;
    f.ball(300, 200, 1, -2);
    f.s.sprite_active[5] = 1;
    f.s.sprite_active[7] = 1;
    do_star(f.p);
    for (int slot : {6, 8, 9}) {
        EXPECT_EQ(f.s.sprite_active[slot], 1) << slot;
        EXPECT_GE(f.s.sprite_x[slot], 300 - 15);
        EXPECT_LE(f.s.sprite_x[slot], 300 + 16);
        EXPECT_GE(f.s.sprite_y[slot], 200 - 9);
        EXPECT_LE(f.s.sprite_y[slot], 200 + 10);
        EXPECT_GE(f.s.sprite_anim[slot], 1);
        EXPECT_LE(f.s.sprite_anim[slot], 10);
    }
    for (int slot : {2, 3, 4}) EXPECT_EQ(f.s.sprite_active[slot], 0);
    // Three sparkles of one hit, reseeded at one clock reading, do not all land on one spot.
    EXPECT_FALSE(f.s.sprite_x[6] == f.s.sprite_x[8] && f.s.sprite_x[8] == f.s.sprite_x[9] &&
                 f.s.sprite_y[6] == f.s.sprite_y[8] && f.s.sprite_y[8] == f.s.sprite_y[9]);
}

TEST(Scoring, SparklesOfAHitWhenAllSlotsAreBusyDrawNoNumbers) {
    game_fixture f;
    f.ball(300, 200, 1, -2);
    for (int slot = 5; slot <= 9; ++slot) f.s.sprite_active[slot] = 1;
    const auto state = f.p.rnd.state();
    do_star(f.p);
    EXPECT_EQ(f.p.rnd.state(), state);
}

TEST(Scoring, LastBrickAddsItsPointsThenEndsTheLevel) {
    game_fixture f;
    f.player();
    f.empty_field();
    f.brick(4, 3);
    f.g.bricks_total = 1;
    // Sparkle slots busy with nothing to show, so that no sparkle copy covers the ball's box.
    for (int slot = 5; slot <= 9; ++slot) f.s.sprite_active[slot] = 1;
    // The ball rises for a few drawn frames before its top edge reaches the brick's row.
    f.ball(4 * 32 + 2, 3 * 32 + 40, 0.25, -2);
    for (int i = 0; i < 20 && f.g.bricks_hit == 0; ++i) run_frame(f.p);
    EXPECT_EQ(f.g.bricks_hit, 1);
    EXPECT_EQ(f.g.score, 5 * row_points(f.by()));
    EXPECT_EQ(f.s.sprite_active[ball_slot], 0);
    EXPECT_EQ(f.g.pause_timer, 200);
    EXPECT_EQ(f.g.level_cleared, 1);
    EXPECT_EQ(f.g.spawn_mode, 0);
    // Nothing of the ball is left on the frame or on the screen.
    const pixel ball_colour = f.p.sprite.at(370 + 7, 7);
    const auto ox = f.s.sprite_old_x[ball_slot], oy = f.s.sprite_old_y[ball_slot];
    for (int y = oy; y < oy + 14; ++y)
        for (int x = ox; x < ox + 14; ++x) {
            ASSERT_NE(f.p.background_work.at(x, y), ball_colour);
            ASSERT_NE(f.h.window.screen.at(192 + x, 144 + y), ball_colour);
        }
}

TEST(TopTen, AScoreEqualToEntriesGoesBelowAllOfThem) {
    game_fixture f;
    set_table(f.p.cfg, {100, 90, 80, 80, 80, 50, 40, 30, 20, 10});
    f.g.score = 80;
    f.h.name_prompt.name = "Eve";
    check_highscore(f.p);
    EXPECT_EQ(f.p.cfg.hiscore_value[6], 80);
    EXPECT_EQ(f.p.cfg.hiscore_name[6], "Eve");
    EXPECT_EQ(f.p.cfg.hiscore_name[5], "n5");
    EXPECT_EQ(f.p.cfg.hiscore_name[7], "n6");
    EXPECT_EQ(f.p.cfg.hiscore_value[7], 50);
    EXPECT_EQ(f.p.cfg.hiscore_name[10], "n9");
    ASSERT_EQ(f.h.settings.saved.size(), 1u);
    EXPECT_EQ(f.h.settings.saved[0].hiscore_name[6], "Eve");
}

TEST(TopTen, EqualToPlaceTenDoesNotEnter) {
    game_fixture f;
    set_table(f.p.cfg, {100, 90, 80, 70, 60, 50, 40, 30, 20, 10});
    f.g.score = 10;
    check_highscore(f.p);
    EXPECT_EQ(f.h.name_prompt.shown, 0);
    EXPECT_TRUE(f.h.settings.saved.empty());
    EXPECT_EQ(f.p.cfg.hiscore_name[10], "n10");
}

TEST(TopTen, BeatingOnlyPlaceTenReplacesItAndMovesNothing) {
    game_fixture f;
    set_table(f.p.cfg, {100, 90, 80, 70, 60, 50, 40, 30, 20, 10});
    f.g.score = 11;
    f.h.name_prompt.name = "";
    check_highscore(f.p);
    EXPECT_EQ(f.p.cfg.hiscore_value[10], 11);
    EXPECT_EQ(f.p.cfg.hiscore_name[10], "");  // an empty name is kept as typed
    for (int i = 1; i <= 9; ++i) EXPECT_EQ(f.p.cfg.hiscore_name[i], "n" + std::to_string(i));
}

TEST(TopTen, TheBestScoreTakesPlaceOneAndTheOldTenthDropsOut) {
    game_fixture f;
    set_table(f.p.cfg, {100, 90, 80, 70, 60, 50, 40, 30, 20, 10});
    f.g.score = 99999;
    const auto events_before = f.h.system.events_processed;
    check_highscore(f.p);
    EXPECT_EQ(f.p.cfg.hiscore_value[1], 99999);
    EXPECT_EQ(f.p.cfg.hiscore_name[1], "Player");
    for (int i = 2; i <= 10; ++i) {
        EXPECT_EQ(f.p.cfg.hiscore_name[i], "n" + std::to_string(i - 1));
        EXPECT_EQ(f.p.cfg.hiscore_value[i], 110 - 10 * (i - 1));
    }
    EXPECT_EQ(f.h.name_prompt.shown, 1);
    EXPECT_EQ(f.h.system.events_processed - events_before, 2);  // before and after the prompt
    EXPECT_EQ(f.p.run.repaint_requested, 1);
}
