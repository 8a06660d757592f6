#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tests/unit/engine/game_fixture.h"

using namespace glim;
using glim::testing::game_fixture;

TEST(Paddle, AimTableHoldsTheEightStepsOfTheImageWidth) {
    game_fixture f;
    const double expected[] = {0, 11.125, 22.25, 33.375, 44.5, 55.625, 66.75, 77.875, 89};
    for (int i = 1; i <= 9; ++i) EXPECT_DOUBLE_EQ(f.g.aim_table[i], expected[i - 1]) << i;
    EXPECT_EQ(f.g.aim_offset, 44);  // 44.5 rounds to the even 44
    EXPECT_EQ(f.g.aim_timer, 600);
}

TEST(Paddle, DemoPaddlePutsTheAimPointUnderTheBallCentreInOneFrame) {
    game_fixture f;
    f.ball(200.25, 300, 0, -2);
    f.px() = 500;
    demo_paddle(f.p);
    EXPECT_DOUBLE_EQ(f.px(), 200.25 + 7 - 44);  // the fraction is kept
    EXPECT_DOUBLE_EQ(f.s.sprite_dx[paddle_slot], 200.25 + 7 - 44 - 500);

    // Already in place: no move, and the image stays as it was.
    animate_paddle(f.p);
    const auto image = f.s.sprite_image[paddle_slot];
    demo_paddle(f.p);
    EXPECT_EQ(f.s.sprite_dx[paddle_slot], 0);
    f.g.paddle_anim_count = 0;
    f.g.paddle_anim_phase = static_cast<std::int16_t>(1 - f.g.paddle_anim_phase);
    animate_paddle(f.p);
    EXPECT_EQ(f.s.sprite_image[paddle_slot], image);
}

TEST(Paddle, DemoPaddleIsHeldAtTheFieldLimits) {
    game_fixture f;
    f.ball(626, 300, 0, -2);
    demo_paddle(f.p);
    EXPECT_EQ(f.px(), 550);
    f.ball(0, 300, 0, -2);
    demo_paddle(f.p);
    EXPECT_EQ(f.px(), 0);
}

TEST(Paddle, DuringTheOpeningPauseTheDemoPaddleWaitsAtTheLeftLimit) {
    game_fixture f;
    f.frames(150);
    EXPECT_EQ(f.px(), 0);  // the ball's x is still 0: 7 - 44 lies left of the field
    EXPECT_EQ(f.s.sprite_active[ball_slot], 0);
}

TEST(Paddle, TheDemoPaddleLinesUpUnderANewBallTheFrameAfterItIsPlaced) {
    game_fixture f;
    f.frames(200);  // the paddle moved before the ball was placed in this frame
    ASSERT_EQ(f.s.sprite_active[ball_slot], 1);
    EXPECT_EQ(f.px(), 0);
    f.frames(1);
    EXPECT_EQ(f.px(), 320 - 44);
}

TEST(Paddle, DuringAPauseTheDemoPaddleStandsStillSaveForTheMoveAfterAReAim) {
    game_fixture f;
    f.empty_field();
    f.ball(400.25, 379, 0, 2);
    f.frames(1);  // the paddle lines up, then the ball falls past the loss line
    ASSERT_EQ(f.g.pause_timer, 200);
    EXPECT_EQ(f.px(), 400.25 + 7 - 44);
    f.frames(50);
    EXPECT_EQ(f.px(), 400.25 + 7 - 44);

    f.g.aim_timer = 1;
    f.frames(1);  // the re-aim takes effect from the next frame
    EXPECT_EQ(f.px(), 400.25 + 7 - 44);
    const double x1 = std::min(400.25 + 7 - f.g.aim_offset, 550.0);
    f.frames(1);
    EXPECT_EQ(f.px(), x1);
    f.frames(20);
    EXPECT_EQ(f.px(), x1);
    EXPECT_GT(f.g.pause_timer, 0);
}

TEST(Paddle, ReAimComesAfter600DemoFramesThenEvery801To900) {
    game_fixture f;
    const std::set<std::int32_t> offsets = {0, 11, 22, 33, 44, 56, 67, 78, 89};
    f.frames(599);
    EXPECT_EQ(f.g.aim_timer, 1);
    f.frames(1);
    EXPECT_GE(f.g.aim_timer, 801);
    EXPECT_LE(f.g.aim_timer, 900);
    EXPECT_TRUE(offsets.count(f.g.aim_offset)) << f.g.aim_offset;

    // A player's game leaves the timer where it was.
    const auto timer = f.g.aim_timer;
    f.p.run.play_mode = 1;
    f.frames(30);
    EXPECT_EQ(f.g.aim_timer, timer);
}

TEST(Paddle, MousePaddleTakesTheCursorScreenXWithinTheLimits) {
    game_fixture f;
    f.p.run.play_mode = 1;
    const double y1 = f.s.sprite_y[paddle_slot];
    f.h.cursor.where = {300, 700};
    mouse_paddle(f.p);
    EXPECT_EQ(f.px(), 300);  // the field's screen offset (192) is not subtracted
    EXPECT_EQ(f.s.sprite_y[paddle_slot], y1);
    f.h.cursor.where = {551, 0};
    mouse_paddle(f.p);
    EXPECT_EQ(f.px(), 550);
    f.h.cursor.where = {-40, 0};
    mouse_paddle(f.p);
    EXPECT_EQ(f.px(), 0);

    // A failed reading keeps the last position.
    f.h.cursor.where = {123, 0};
    mouse_paddle(f.p);
    f.h.cursor.fails = true;
    f.h.cursor.where = {400, 0};
    mouse_paddle(f.p);
    EXPECT_EQ(f.px(), 123);
}

TEST(Paddle, AnimationShowsDirectionAndFlipsPhaseEvery21Frames) {
    game_fixture f;
    // init_sprites left paddle_last_x at -1: the first frame counts as a move to the right.
    animate_paddle(f.p);
    EXPECT_EQ(f.s.sprite_image[paddle_slot], 1);

    f.px() -= 10;
    animate_paddle(f.p);
    EXPECT_EQ(f.s.sprite_image[paddle_slot], 3);

    // Standing still through a phase flip keeps the image; the next move shows the new phase.
    // The count reaches 21 in the 21st frame: the phase flips there.
    for (int i = 0; i < 18; ++i) animate_paddle(f.p);
    EXPECT_EQ(f.g.paddle_anim_phase, 0);
    animate_paddle(f.p);
    EXPECT_EQ(f.g.paddle_anim_phase, 1);
    EXPECT_EQ(f.g.paddle_anim_count, 0);
    EXPECT_EQ(f.s.sprite_image[paddle_slot], 3);
    f.px() += 5;
    animate_paddle(f.p);
    EXPECT_EQ(f.s.sprite_image[paddle_slot], 2);
    f.px() -= 5;
    animate_paddle(f.p);
    EXPECT_EQ(f.s.sprite_image[paddle_slot], 4);
}
