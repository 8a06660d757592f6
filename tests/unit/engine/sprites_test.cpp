#include "engine/sprites.h"

#include <gtest/gtest.h>

#include "platform/headless/headless_program.h"

using namespace glim;

namespace {

struct fresh {
    headless_program h;
    program& p = h.p;
    sprite_table& s = h.p.sprites;
    fresh() { init_sprites(p); }
};

// Puts a sparkle with animation n in slot 5, as the pause and a brick hit do.
void start_sparkle(sprite_table& s, std::int32_t n) {
    s.sprite_anim[5] = n;
    s.sprite_active[5] = 1;
}

}  // namespace

TEST(Sprites, InitLeavesOnlyThePaddleAtTheBottomCentre) {
    fresh f;
    for (std::int32_t slot = 2; slot <= 10; ++slot) EXPECT_EQ(f.s.sprite_active[slot], 0) << slot;
    EXPECT_EQ(f.s.sprite_active[1], 1);
    EXPECT_EQ(f.s.sprite_image[1], 1);
    EXPECT_EQ(f.s.sprite_x[1], 275.5);
    EXPECT_EQ(f.s.sprite_y[1], 355);
    sprite_image_box b = slot_image_box(f.s, 1);
    EXPECT_EQ(b.width, 89);
    EXPECT_EQ(b.height, 125);
    EXPECT_EQ(f.s.sprite_y[1] + b.height - 1, 479) << "the paddle's last row is the field's";
    EXPECT_EQ(f.s.sprite_count, 10);
    EXPECT_EQ(f.s.field_left, 0);
    EXPECT_EQ(f.s.field_right, 639);
    EXPECT_EQ(f.p.game.paddle_last_x, -1);
    for (std::int32_t slot = 1; slot <= 10; ++slot) {
        bool sparkle = slot >= 2 && slot <= 9;
        EXPECT_EQ(f.s.sprite_transparent[slot], sparkle ? 1 : 0) << slot;
        EXPECT_EQ(f.s.sprite_anim_end[slot], sparkle ? 1 : 0) << slot;
    }
}

TEST(Sprites, ImageTableMatchesTheSheetLayout) {
    fresh f;
    struct row {
        std::int32_t image, x, y, w, h;
    };
    for (row r : {row{1, 0, 0, 89, 125}, row{2, 89, 0, 89, 125}, row{3, 178, 0, 89, 125},
                  row{4, 267, 0, 89, 125}, row{5, 370, 0, 14, 14}, row{6, 370, 30, 15, 17},
                  row{7, 386, 30, 15, 17}, row{8, 402, 30, 15, 17}, row{9, 418, 30, 15, 17},
                  row{10, 434, 30, 15, 17}, row{11, 384, 0, 15, 17}}) {
        sprite_image_box b = image_box(f.s, r.image);
        EXPECT_EQ(b.sheet_x, r.x) << r.image;
        EXPECT_EQ(b.sheet_y, r.y) << r.image;
        EXPECT_EQ(b.width, r.w) << r.image;
        EXPECT_EQ(b.height, r.h) << r.image;
    }
    for (std::int32_t image : {0, 12, 20}) EXPECT_EQ(image_box(f.s, image).width, 0);
    // Images the table does not hold read as nothing rather than beyond the table.
    EXPECT_EQ(image_box(f.s, 21).width, 0);
    EXPECT_EQ(image_box(f.s, -1).height, 0);
}

TEST(Sprites, AnimationRowsHoldFiveStepsPerFrameThenBlankAndEnd) {
    fresh f;
    for (std::int32_t n = 1; n <= 10; ++n) {
        const auto& row = f.s.anim_table[n];
        std::int32_t nonzero = 0, last = 0;
        for (std::int32_t step = 0; step < anim_steps; ++step)
            if (row[step] != 0) ++nonzero, last = step;
        EXPECT_EQ(nonzero, 5 * n + 2) << n;
        EXPECT_EQ(row[last], -1) << n;
        EXPECT_EQ(row[0], 0);
        EXPECT_EQ(row[5 * n + 1], 11) << n;
        EXPECT_EQ(row[n], 6) << n;
        EXPECT_EQ(row[n + 1], 7) << n;
    }
    EXPECT_EQ(f.s.anim_table[2][1], 6);
    EXPECT_EQ(f.s.anim_table[2][2], 6);
    EXPECT_EQ(f.s.anim_table[2][3], 7);
}

TEST(Sprites, SparkleShowsEveryFrameThenTheBlankAndSwitchesOff) {
    for (std::int32_t n : {1, 2, 10}) {
        fresh f;
        start_sparkle(f.s, n);
        std::vector<std::int32_t> shown;
        std::int32_t frames = 0;
        while (f.s.sprite_active[5] != 0 && frames < 100) {
            anim_sprites(f.p);
            ++frames;
            if (f.s.sprite_active[5] != 0) shown.push_back(f.s.sprite_image[5]);
        }
        EXPECT_EQ(frames, 5 * n + 2) << "switched off in the game step of frame 5n + 2";
        ASSERT_EQ(shown.size(), static_cast<std::size_t>(5 * n + 1));
        for (std::int32_t i = 0; i < 5 * n; ++i) EXPECT_EQ(shown[i], 6 + i / n) << n << " " << i;
        EXPECT_EQ(shown.back(), 11);
        EXPECT_EQ(f.s.sprite_anim[5], 0);
        EXPECT_EQ(f.s.sprite_anim_step[5], 0);
    }
}

TEST(Sprites, EndBehavioursRestartOrStopAnimating) {
    fresh f;
    f.s.sprite_anim_end[5] = 0;
    start_sparkle(f.s, 1);
    for (int i = 0; i < 7; ++i) anim_sprites(f.p);
    EXPECT_EQ(f.s.sprite_active[5], 1);
    EXPECT_EQ(f.s.sprite_anim_step[5], 1) << "the marker restarts the animation at step 1";
    EXPECT_EQ(f.s.sprite_image[5], 6);

    f.s.sprite_anim_end[6] = 2;
    f.s.sprite_anim[6] = 1;
    f.s.sprite_active[6] = 1;
    for (int i = 0; i < 7; ++i) anim_sprites(f.p);
    EXPECT_EQ(f.s.sprite_active[6], 1) << "still drawn";
    EXPECT_EQ(f.s.sprite_anim[6], 0) << "no longer animated";
    EXPECT_EQ(f.s.sprite_image[6], 0) << "with image 0, which draws nothing";

    // Values that never occur must not read outside the table.
    f.s.sprite_anim[7] = 25;
    f.s.sprite_active[7] = 1;
    f.s.sprite_anim[8] = 1;
    f.s.sprite_anim_step[8] = 400;
    f.s.sprite_active[8] = 1;
    anim_sprites(f.p);
    EXPECT_EQ(f.s.sprite_active[7], 0);
    EXPECT_EQ(f.s.sprite_active[8], 0);
}

TEST(Sprites, SpriteOffFreesOnlyAndIgnoresSlotsOutsideTheTable) {
    fresh f;
    sprite_table before = f.s;
    sprite_off(f.p, 4);  // already free
    EXPECT_TRUE(before == f.s);

    f.s.sprite_x[10] = 12.5;
    f.s.sprite_image[10] = 5;
    f.s.sprite_old_x[10] = 11;
    f.s.sprite_active[10] = 1;
    sprite_off(f.p, 9.5);  // rounds to 10
    EXPECT_EQ(f.s.sprite_active[10], 0);
    EXPECT_EQ(f.s.sprite_x[10], 12.5);
    EXPECT_EQ(f.s.sprite_image[10], 5);
    EXPECT_EQ(f.s.sprite_old_x[10], 11);

    before = f.s;
    sprite_off(f.p, 11);
    sprite_off(f.p, -1);
    sprite_off(f.p, 1e30);
    EXPECT_TRUE(before == f.s);
}

TEST(Sprites, BoxTestsCountTouchingEdges) {
    EXPECT_EQ(collide(0, 0, 10, 10, 10, 10, 20, 20), 1);
    EXPECT_EQ(collide(0, 0, 10, 10, 11, 0, 20, 10), 0);
    EXPECT_EQ(collide(0, 11, 10, 20, 0, 0, 10, 10), 0);

    fresh f;
    f.s.sprite_image[5] = 6;  // 15 x 17
    f.s.sprite_image[6] = 6;
    f.s.sprite_x[5] = f.s.sprite_x[6] = 100;
    f.s.sprite_y[6] = 50;
    f.s.sprite_y[5] = 50 + 17;  // ya = yb + hb: the boxes meet along an edge
    EXPECT_EQ(sprite_collide(f.p, 5, 6), 0) << "both free";
    f.s.sprite_active[5] = f.s.sprite_active[6] = 1;
    EXPECT_EQ(sprite_collide(f.p, 5, 6), 1);
    f.s.sprite_y[5] = 50 + 17.25;
    EXPECT_EQ(sprite_collide(f.p, 5, 6), 0);
    f.s.sprite_active[6] = 0;
    f.s.sprite_y[5] = 50;
    EXPECT_EQ(sprite_collide(f.p, 5, 6), 0) << "one free slot never collides";
}

TEST(Sprites, CheckVerticalKeepsTheBoxOnTheScreenHeight) {
    fresh f;  // a 768-pixel screen
    f.s.sprite_image[5] = 6;
    f.s.sprite_y[5] = -5;
    check_vertical(f.p, 5);
    EXPECT_EQ(f.s.sprite_y[5], 0);
    f.s.sprite_y[5] = 760;
    check_vertical(f.p, 5);
    EXPECT_EQ(f.s.sprite_y[5], 768 - 17);
    f.s.sprite_y[5] = 500;  // below the field, still on the screen
    check_vertical(f.p, 5);
    EXPECT_EQ(f.s.sprite_y[5], 500);
}

// A new game rebuilds the tables and frees the slots, but what a freed slot last held (place,
// speed, image, old box) stays for the ball's next reset and the next erase.
TEST(Sprites, InitAgainRebuildsTheTablesAndKeepsWhatFreedSlotsHeld) {
    fresh f;
    const sprite_table first = f.s;
    f.s.sprite_x[10] = 401.25;
    f.s.sprite_y[10] = 77;
    f.s.sprite_dx[10] = -3.5;
    f.s.sprite_dy[10] = 2;
    f.s.sprite_image[10] = 5;
    f.s.sprite_old_x[10] = 399;
    f.s.sprite_old_y[10] = 75;
    f.s.sprite_active[10] = 1;
    start_sparkle(f.s, 4);
    anim_sprites(f.p);
    f.s.sprite_x[1] = 10;  // the paddle moved away
    f.s.sprite_image[1] = 3;
    f.p.game.paddle_last_x = 12;
    f.p.game.paddle_anim_phase = 1;
    f.p.game.paddle_anim_count = 5;
    const sprite_table played = f.s;

    init_sprites(f.p);
    EXPECT_EQ(f.s.sprite_def, first.sprite_def);
    EXPECT_EQ(f.s.anim_table, first.anim_table);
    for (std::int32_t slot = 2; slot <= 10; ++slot) {
        EXPECT_EQ(f.s.sprite_active[slot], 0) << slot;
        EXPECT_EQ(f.s.sprite_anim[slot], 0) << slot;
        EXPECT_EQ(f.s.sprite_anim_step[slot], 0) << slot;
        EXPECT_EQ(f.s.sprite_x[slot], played.sprite_x[slot]) << slot;
        EXPECT_EQ(f.s.sprite_y[slot], played.sprite_y[slot]) << slot;
        EXPECT_EQ(f.s.sprite_dx[slot], played.sprite_dx[slot]) << slot;
        EXPECT_EQ(f.s.sprite_image[slot], played.sprite_image[slot]) << slot;
        EXPECT_EQ(f.s.sprite_old_x[slot], played.sprite_old_x[slot]) << slot;
        EXPECT_EQ(f.s.sprite_old_y[slot], played.sprite_old_y[slot]) << slot;
    }
    EXPECT_EQ(f.s.sprite_image[5], 6) << "the sparkle's last image stays with its slot";
    EXPECT_EQ(f.s.sprite_x[1], 275.5);
    EXPECT_EQ(f.s.sprite_image[1], 1);
    EXPECT_EQ(f.s.sprite_active[1], 1);
    EXPECT_EQ(f.p.game.paddle_last_x, -1);
    EXPECT_EQ(f.p.game.paddle_anim_phase, 0);
    EXPECT_EQ(f.p.game.paddle_anim_count, 0);
}
