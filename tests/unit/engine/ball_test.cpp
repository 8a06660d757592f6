#include <gtest/gtest.h>

#include "platform/headless/recording_sound.h"
#include "tests/unit/engine/game_fixture.h"

using namespace glim;
using glim::testing::game_fixture;

namespace {

const sound_call wall_sound{sound_call::kind::do_soundfx, 1, 15000, -100};
const sound_call bounce_sound{sound_call::kind::do_soundfx, 1, 10000, -100};
const sound_call lost_sound{sound_call::kind::do_soundfx, 1, 2500, -100};

}  // namespace

TEST(BallWalls, SideWallSendsTheBallBackWhereItWas) {
    game_fixture f;
    f.ball(626, 200, 1.25, 2);
    move_ball(f.p);
    EXPECT_EQ(f.bx(), 626);
    EXPECT_EQ(f.bdx(), -1.25);
    EXPECT_EQ(f.by(), 202);
    EXPECT_EQ(f.h.sound.effects(), std::vector<sound_call>{wall_sound});
}

TEST(BallWalls, EdgesOnTheLimitDoNotBounce) {
    game_fixture f;
    f.ball(626, 200, 0, 2);  // far edge at 639
    move_ball(f.p);
    f.ball(1, 200, -1, 2);  // x becomes 0
    move_ball(f.p);
    EXPECT_EQ(f.bx(), 0);
    f.ball(300, 3, 0, -2);  // y becomes 1
    move_ball(f.p);
    EXPECT_EQ(f.by(), 1);
    EXPECT_TRUE(f.h.sound.effects().empty());
}

TEST(BallWalls, CornerBouncesBothWaysWithTwoSoundsThenProbesDownRight) {
    game_fixture f;
    f.empty_field();
    f.brick(0, 0);  // under the bottom-left corner (probe 1 of down and right)
    f.ball(1, 2, -3, -2);
    move_ball(f.p);
    EXPECT_EQ(f.bx(), 1);
    EXPECT_EQ(f.by(), 2);
    EXPECT_EQ(f.bdx(), 3);
    EXPECT_EQ(f.bdy(), 2);
    EXPECT_EQ(f.h.sound.effects(), (std::vector<sound_call>{wall_sound, wall_sound}));
    ASSERT_TRUE(brick_probes(f.p));
    EXPECT_EQ(f.cell(0, 0), 0);
    EXPECT_EQ(f.bdy(), -2);  // probe 1: vertical
}

TEST(BrickProbes, CornerOnAFirstPixelBelongsToThatCell) {
    game_fixture f;
    f.empty_field();
    f.brick(2, 3);
    EXPECT_TRUE(brick_at(f.p, 64, 96));
    EXPECT_FALSE(brick_at(f.p, 63.875, 96));
    EXPECT_FALSE(brick_at(f.p, 64, 95.875));
    EXPECT_TRUE(brick_at(f.p, 95.99, 127.99));
}

TEST(BrickProbes, PointsOutsideTheGridHoldNoBrick) {
    game_fixture f;
    for (auto& column : f.g.brick_grid) column.fill(1);
    EXPECT_FALSE(brick_at(f.p, 100, 480));
    EXPECT_FALSE(brick_at(f.p, 100, 5000));
    EXPECT_FALSE(brick_at(f.p, 100, -0.5));
    EXPECT_FALSE(brick_at(f.p, 640, 100));
    EXPECT_FALSE(brick_at(f.p, -1, 100));
}

TEST(BrickProbes, FastBallBelowTheGridFindsNothing) {
    game_fixture f;
    for (auto& column : f.g.brick_grid) column.fill(1);
    // At 120 pixels a frame every probe lies below row 14.
    f.ball(300, 380, 0, 120);
    move_ball(f.p);
    EXPECT_FALSE(brick_probes(f.p));
}

TEST(BrickProbes, NewBallProbesBottomLeftThenTopRightThenBottomRight) {
    // dx = 0 counts as moving right, dy > 0 as down.
    {
        game_fixture f;
        f.empty_field();
        f.brick(9, 6);  // bottom-left of a ball at (300, 190): (300, 203)
        f.brick(9, 5);  // top-right: (313, 190)
        f.ball(300, 190, 0, 2);
        ASSERT_TRUE(brick_probes(f.p));
        EXPECT_EQ(f.cell(9, 6), 0);
        EXPECT_EQ(f.cell(9, 5), 1);
        EXPECT_EQ(f.bdy(), -2);
        EXPECT_EQ(f.bdx(), 0);
    }
    {
        game_fixture f;
        f.empty_field();
        f.brick(9, 5);  // only the top-right corner on a brick: horizontal
        f.ball(300, 190, 0.5, 2);
        ASSERT_TRUE(brick_probes(f.p));
        EXPECT_EQ(f.bdx(), -0.5);
        EXPECT_EQ(f.bdy(), 2);
    }
}

TEST(BrickProbes, UpAndLeftTakesOnlyTheTopRightBrickOfTwo) {
    game_fixture f;
    f.empty_field();
    f.brick(3, 4);  // under the top-right corner (110, 140)
    f.brick(2, 4);  // under the top-left corner (97, 140)
    f.ball(97, 140, -1, -2);
    ASSERT_TRUE(brick_probes(f.p));
    EXPECT_EQ(f.cell(3, 4), 0);
    EXPECT_EQ(f.cell(2, 4), 1);
    EXPECT_EQ(f.bdy(), 2);
    EXPECT_EQ(f.bdx(), -1);
    EXPECT_EQ(f.g.cell_left, 96);
    EXPECT_EQ(f.g.cell_right, 127);
    EXPECT_EQ(f.bx(), 97);  // a hit does not move the ball
}

TEST(BrickProbes, CornerRuleMovingLeftTurnsSidewaysOnlyInTheLastPixelColumn) {
    // Only the top-left corner on a brick of column 2 (pixels 64 to 95).
    for (const auto& [x, vertical] :
         {std::pair{94.5, true}, std::pair{95.0, false}, std::pair{80.0, true}}) {
        game_fixture f;
        f.empty_field();
        f.brick(2, 4);
        f.ball(x, 150, -1, -2);  // the bottom edge (163) lies in row 5
        ASSERT_TRUE(brick_probes(f.p)) << x;
        EXPECT_EQ(f.bdy(), vertical ? 2 : -2) << x;
        EXPECT_EQ(f.bdx(), vertical ? -1 : 1) << x;
        EXPECT_EQ(f.g.cell_right, 95);
    }
}

TEST(BrickProbes, CornerRuleMovingRightComparesTheLeftEdgeWithTheCellStart) {
    // A brick of column 2 (cell_left 64) in the ball's top row, moving up and right. While the
    // left edge lies left of the cell only the top-right corner is on the brick and the corner
    // rule turns the ball sideways (x <= 64); from x = 64 on the top-left corner lies on the same
    // brick, so probe 1 finds it first and the ball turns vertically.
    for (const auto& [x, vertical] : {std::pair{51.0, false}, std::pair{63.5, false},
                                      std::pair{64.0, true}, std::pair{65.0, true}}) {
        game_fixture f;
        f.empty_field();
        f.brick(2, 4);
        f.ball(x, 150, 1, -2);
        ASSERT_TRUE(brick_probes(f.p)) << x;
        EXPECT_EQ(f.bdy(), vertical ? 2 : -2) << x;
        EXPECT_EQ(f.bdx(), vertical ? 1 : -1) << x;
        EXPECT_EQ(f.g.cell_left, 64);
        EXPECT_EQ(f.cell(2, 4), 0);
    }
}

TEST(BrickProbes, CornerRuleDownwardsFollowsTheSameComparisons) {
    {
        game_fixture f;
        f.empty_field();
        f.brick(2, 5);  // under the bottom-left corner only
        f.ball(95, 150, -1, 2);
        ASSERT_TRUE(brick_probes(f.p));
        EXPECT_EQ(f.bdx(), 1);
    }
    {
        game_fixture f;
        f.empty_field();
        f.brick(2, 5);  // under the bottom-right corner only
        f.ball(60, 150, 1, 2);
        ASSERT_TRUE(brick_probes(f.p));
        EXPECT_EQ(f.bdx(), -1);
        EXPECT_EQ(f.bdy(), 2);
    }
}

TEST(BrickProbes, ABrickHitSkipsThePaddleAndTheLossLine) {
    game_fixture f;
    f.empty_field();
    f.brick(10, 12);  // no layout has one there, but the step must still stop at the hit
    f.ball(320, 384, 0, 2);
    const auto balls = f.g.balls_left;
    move_sprites(f.p);
    EXPECT_EQ(f.cell(10, 12), 0);
    EXPECT_EQ(f.g.balls_left, balls);
    EXPECT_EQ(f.s.sprite_active[ball_slot], 1);
    EXPECT_EQ(f.g.pause_timer, 0);
}

TEST(BrickProbes, ReversalTakesTheSlotNumberRoundedAndIgnoresOthers) {
    game_fixture f;
    f.ball(300, 200, 1.5, 2);
    reverse_hdir(f.p, 10.4);
    reverse_vdir(f.p, 9.5);  // halves to even: slot 10
    EXPECT_EQ(f.bdx(), -1.5);
    EXPECT_EQ(f.bdy(), -2);
    reverse_hdir(f.p, 11);
    reverse_vdir(f.p, -3);
    reverse_hdir(f.p, 1e12);
    EXPECT_EQ(f.bdx(), -1.5);
    EXPECT_EQ(f.bdy(), -2);
}

TEST(PaddleBounce, BottomRowMustLieStrictlyInsideTheBand) {
    game_fixture f;
    f.px() = 300;
    const double y1 = f.s.sprite_y[paddle_slot];
    for (double bottom : {y1, y1 + 11}) {
        f.ball(320, bottom - 13, 1, 2);
        paddle_bounce(f.p);
        EXPECT_EQ(f.bdy(), 2) << bottom - y1;
    }
    f.ball(320, y1 + 10 - 13, 1, 2);
    paddle_bounce(f.p);
    EXPECT_EQ(f.bdy(), -2);
    EXPECT_EQ(f.by(), y1 + 10 - 13 - 2);  // moved back up by one step
    EXPECT_EQ(f.h.sound.effects(), std::vector<sound_call>{bounce_sound});

    // Moving up through the band: no bounce.
    f.ball(320, y1 - 8, 1, -2);
    paddle_bounce(f.p);
    EXPECT_EQ(f.bdy(), -2);
}

TEST(PaddleBounce, SideOverlapIsStrictAndReachesBeyondThePaddleEnds) {
    game_fixture f;
    f.px() = 300;
    const double band_y = f.s.sprite_y[paddle_slot] + 5 - 13;
    f.ball(287, band_y, 1, 2);  // far edge exactly at x1
    paddle_bounce(f.p);
    EXPECT_EQ(f.bdy(), 2);
    f.ball(389, band_y, 1, 2);  // x10 = x1 + 89
    paddle_bounce(f.p);
    EXPECT_EQ(f.bdy(), 2);
    // Centre 3 pixels left of x1, hanging over the left end: zone 1.
    f.ball(290, band_y, 1, 2);
    paddle_bounce(f.p);
    EXPECT_EQ(f.bdy(), -2);
    EXPECT_EQ(f.bdx(), -3);
}

TEST(PaddleBounce, ZonesBoundariesAndTheMiddle) {
    const double z = 89.0 / 8;
    struct zone_case {
        double centre_from_x1, dx;
    };
    const zone_case cases[] = {
        {0, -3},
        {z - 0.01, -3},
        {z, -2},
        {2 * z, -1.5},
        {3 * z, -1.25},
        {4 * z - 0.5, -1.25},
        {4 * z + 0.5, 1.25},
        {5 * z, 1.25},
        {5 * z + 0.01, 1.5},
        {6 * z, 1.5},
        {6 * z + 0.01, 2},
        {7 * z, 2},
        {7 * z + 0.01, 3},
        {95, 3},
    };
    for (const auto& c : cases) {
        game_fixture f;
        f.g.speed_factor = 2;
        f.px() = 300;
        f.ball(300 + c.centre_from_x1 - 7, f.s.sprite_y[paddle_slot] - 5, 0, 2);
        paddle_bounce(f.p);
        EXPECT_EQ(f.bdx(), c.dx * 2) << c.centre_from_x1;
        EXPECT_EQ(f.g.paddle_dx, c.dx * 2);
    }
}

TEST(PaddleBounce, ExactMiddleKeepsThePreviousBounceSpeedWhateverTheBallDoes) {
    game_fixture f;
    f.px() = 300;
    f.g.paddle_dx = -1.5;
    f.ball(300 + 44.5 - 7, f.s.sprite_y[paddle_slot] - 5, 2, 2);
    paddle_bounce(f.p);
    EXPECT_EQ(f.bdx(), -1.5);
    EXPECT_EQ(f.bdy(), -2);
}

TEST(PaddleBounce, ABallEnteringFromTheSideBouncesAsFromTheTop) {
    game_fixture f;
    f.px() = 300;
    // Bottom row already inside the band, coming in from the left over the paddle's end.
    f.ball(280, f.s.sprite_y[paddle_slot] + 6 - 13, 3, 2);
    f.px() = 300;
    move_ball(f.p);  // x 283: far edge 296, not yet over the paddle
    paddle_bounce(f.p);
    EXPECT_EQ(f.bdy(), 2);
    f.bdy() = 0.01;  // keep it in the band for one more frame
    move_ball(f.p);  // x 286
    move_ball(f.p);  // x 289: far edge 302
    paddle_bounce(f.p);
    EXPECT_LT(f.bdy(), 0);
}

TEST(PaddleBounce, BelowElevenPixelsAFrameAFallingBallCannotStepOverTheBand) {
    // Falls from every start between two steps: below 11 pixels a frame the bottom row lands
    // strictly inside the band in some frame; at 11 it can go from its top row to one past it.
    game_fixture f;
    f.empty_field();
    f.px() = 300;
    const double y1 = f.s.sprite_y[paddle_slot];
    auto bounces = [&](double dy, double start) {
        f.ball(320, y1 - 13 - 3 * dy - start, 0, dy);
        for (int i = 0; i < 6 && f.bdy() > 0; ++i) {
            move_ball(f.p);
            paddle_bounce(f.p);
        }
        return f.bdy() < 0;
    };
    for (const double dy : {2.0, 7.5, 10.75})
        for (double start = 0; start < dy; start += 0.25)
            EXPECT_TRUE(bounces(dy, start)) << dy << " " << start;
    EXPECT_FALSE(bounces(11, 0));
}

TEST(LostBall, DemonstrationGoesOnBelowZeroBalls) {
    game_fixture f;
    f.g.balls_left = 0;
    f.ball(300, 380.5, 1, 2);
    lost_ball(f.p);
    EXPECT_EQ(f.g.balls_left, -1);
    EXPECT_EQ(f.g.pause_timer, 200);
    EXPECT_EQ(f.s.sprite_active[ball_slot], 0);
    EXPECT_EQ(f.h.sound.effects(), std::vector<sound_call>{lost_sound});
    EXPECT_EQ(f.h.settings.saved.size(), 0u);
    EXPECT_EQ(f.h.name_prompt.shown, 0);
}

TEST(LostBall, OnTheLossLineTheBallIsNotLost) {
    game_fixture f;
    f.ball(300, 380, 1, 2);
    lost_ball(f.p);
    EXPECT_EQ(f.g.pause_timer, 0);
    EXPECT_EQ(f.g.balls_left, 3);
}

TEST(LostBall, PlayersBallIsErasedCountedAndReplacedAfter200Frames) {
    game_fixture f;
    f.player();
    f.frames(200);  // the opening pause
    ASSERT_EQ(f.s.sprite_active[ball_slot], 1);
    f.h.cursor.where = {0, 0};  // the paddle stays far from the ball
    f.bx() = 500;
    int frames = 0;
    while (f.g.balls_left == 3 && frames < 1000) {
        f.frames(1);
        ++frames;
    }
    ASSERT_EQ(f.g.balls_left, 2);
    EXPECT_EQ(f.s.sprite_active[ball_slot], 0);
    EXPECT_EQ(f.g.pause_timer, 200);
    // The ball is gone from the frame and from the screen.
    const auto ox = f.s.sprite_old_x[ball_slot], oy = f.s.sprite_old_y[ball_slot];
    for (int y = oy; y < oy + 14; ++y)
        for (int x = ox; x < ox + 14; ++x) {
            ASSERT_EQ(f.p.background_work.at(x, y), f.p.background_copy.at(x, y));
            ASSERT_EQ(f.h.window.screen.at(192 + x, 144 + y), f.p.background_copy.at(x, y));
        }
    // Two ball icons and a blank: the third place is the blank's black.
    EXPECT_EQ(f.p.background_copy.at(592 + 7, 7), f.p.sprite.at(370 + 7, 7));
    EXPECT_EQ(f.p.background_copy.at(608 + 7, 7), f.p.sprite.at(370 + 7, 7));
    EXPECT_EQ(f.p.background_copy.at(624 + 7, 7), f.p.sprite.at(384 + 7, 7));

    f.h.sound.clear();
    f.expect_new_ball_after(200);
    EXPECT_EQ(f.bdy(), 2);
    EXPECT_EQ(f.h.sound.effects().back(), (sound_call{sound_call::kind::do_soundfx, 2, 0, -100}));
}

TEST(LostBall, LastBallWithoutATopTenScoreRestartsTheDemonstrationInTheSameFrame) {
    game_fixture f;
    f.player();
    f.g.balls_left = 1;
    f.g.score = 10;  // equal to place 10: no entry
    f.empty_field();
    f.g.level = 7;
    f.ball(300, 381, 1, 2);
    lost_ball(f.p);
    EXPECT_EQ(f.h.name_prompt.shown, 0);
    EXPECT_TRUE(f.h.settings.saved.empty());
    EXPECT_EQ(f.p.run.player_game, 0);
    EXPECT_EQ(f.p.run.play_mode, 0);
    EXPECT_EQ(f.g.level, 1);
    EXPECT_EQ(f.g.balls_left, 3);
    EXPECT_EQ(f.g.pause_timer, 200);
    EXPECT_GT(f.g.bricks_total, 0);
    EXPECT_EQ(f.p.run.quit_requested, 0);
}

TEST(LostBall, LastBallOfAGameRunFromTheConfigurationEndsTheRun) {
    game_fixture f;
    f.player();
    f.p.run.launched_from_config = 1;
    f.p.run.activity_limit = 20;
    f.g.balls_left = 1;
    f.g.score = 95;
    f.h.name_prompt.name = "Ann";
    f.ball(300, 381, 1, 2);
    lost_ball(f.p);
    EXPECT_EQ(f.h.name_prompt.shown, 1);
    ASSERT_EQ(f.h.settings.saved.size(), 1u);
    EXPECT_EQ(f.h.settings.saved[0].hiscore_name[2], "Ann");
    EXPECT_EQ(f.p.run.quit_requested, 1);
    EXPECT_EQ(f.p.run.activity_count, 21);
    EXPECT_EQ(f.p.run.player_game, 1);
    EXPECT_EQ(f.p.run.play_mode, 1);
    EXPECT_EQ(f.p.run.launched_from_config, 1);
}
