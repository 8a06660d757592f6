#include "engine/drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "engine/sprites.h"
#include "platform/headless/headless_program.h"
#include "shell/numbers.h"

using namespace glim;

namespace {

struct scene {
    headless_program h;
    program& p = h.p;
    sprite_table& s = h.p.sprites;
    explicit scene(std::int32_t screen_w = 1024, std::int32_t screen_h = 768)
        : h(screen_w, screen_h) {
        init_sprites(p);
        // A clean field that is not black, so that erasing and OR-ing can be told apart.
        for (std::int32_t y = 0; y < 480; ++y)
            for (std::int32_t x = 0; x < 640; ++x)
                p.background_copy.set(
                    x, y, rgb(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 0x40));
        p.background_work = p.background_copy;
        h.window.record_copies = true;
    }
    void frame_before_step() { blit_old_sprites(p); }
    void frame_after_step() {
        blit_new_sprites(p);
        h.window.copies.clear();
        blit_flicker_free(p);
    }
    void put(std::int32_t slot, std::int32_t image, double x, double y) {
        s.sprite_image[slot] = image;
        s.sprite_x[slot] = x;
        s.sprite_y[slot] = y;
        s.sprite_active[slot] = 1;
    }
};

// The clean field with every sprite in use drawn at its rounded place, in slot order.
surface composed(const program& p) {
    surface out = p.background_copy;
    for (std::int32_t slot = 1; slot <= p.sprites.sprite_count; ++slot) {
        if (p.sprites.sprite_active[slot] == 0) continue;
        sprite_image_box b = slot_image_box(p.sprites, slot);
        out.blit(round_even(p.sprites.sprite_x[slot]), round_even(p.sprites.sprite_y[slot]),
                 b.width, b.height, p.sprite, b.sheet_x, b.sheet_y,
                 p.sprites.sprite_transparent[slot] ? srcpaint : srccopy);
    }
    return out;
}

// Where the window's field (its top-left corner at x0, y0) first differs from the work surface.
std::string first_difference(const surface& screen, std::int32_t x0, std::int32_t y0,
                             const surface& work) {
    for (std::int32_t y = 0; y < work.height(); ++y) {
        const pixel* a = screen.pixels().data() + (y0 + y) * screen.width() + x0;
        const pixel* b = work.pixels().data() + y * work.width();
        auto diff = std::mismatch(a, a + work.width(), b);
        if (diff.first != a + work.width())
            return std::to_string(diff.first - a) + "," + std::to_string(y);
    }
    return "";
}

}  // namespace

TEST(Drawing, DirtyRectanglesOfTheExamples) {
    scene sc;
    sc.s.sprite_active[1] = 0;
    // A ball that did not move is copied exactly over its box.
    sc.put(10, 5, 100, 200);
    sc.frame_before_step();
    sc.frame_after_step();
    ASSERT_EQ(sc.h.window.copies.size(), 1u);
    EXPECT_EQ(sc.p.game.dirty_left, 100);
    EXPECT_EQ(sc.p.game.dirty_top, 200);
    EXPECT_EQ(sc.p.game.dirty_width, 14);
    EXPECT_EQ(sc.p.game.dirty_height, 14);
    EXPECT_EQ(sc.h.window.copies[0].x, 192 + 100);
    EXPECT_EQ(sc.h.window.copies[0].y, 144 + 200);

    // From (100, 200) to (103, 198): the rectangle at (100, 198), 18 x 17.
    sc.frame_before_step();
    sc.s.sprite_x[10] = 103;
    sc.s.sprite_y[10] = 198;
    sc.frame_after_step();
    EXPECT_EQ(sc.p.game.dirty_left, 100);
    EXPECT_EQ(sc.p.game.dirty_top, 198);
    EXPECT_EQ(sc.p.game.dirty_width, 18);
    EXPECT_EQ(sc.p.game.dirty_height, 17);

    // The paddle at 300.5 whose old x is 290: (300.5 - 290) + 1 + 89 = 100.5, rounded to 100.
    scene pad;
    pad.s.sprite_x[1] = 290;
    pad.frame_before_step();
    pad.s.sprite_x[1] = 300.5;
    pad.frame_after_step();
    EXPECT_EQ(pad.p.game.dirty_left, 290);
    EXPECT_EQ(pad.p.game.dirty_width, 100);
    EXPECT_EQ(pad.p.game.dirty_top, 355);
    EXPECT_EQ(pad.p.game.dirty_height, 125);
}

TEST(Drawing, HalfPixelFieldOffsetRoundsToEven) {
    scene sc(1023, 768);  // field_x = 191.5
    EXPECT_EQ(window_x(sc.p, 10), 202);
    EXPECT_EQ(window_x(sc.p, 11), 202);
    sc.s.sprite_active[1] = 0;
    sc.put(10, 5, 11, 20);
    sc.frame_before_step();
    sc.frame_after_step();
    ASSERT_EQ(sc.h.window.copies.size(), 1u);
    EXPECT_EQ(sc.h.window.copies[0].x, 202);
    // Sprite places that end in .5 round the same way: 10.5 -> 10, 11.5 -> 12.
    sc.frame_before_step();
    sc.s.sprite_x[10] = 10.5;
    sc.frame_after_step();
    EXPECT_EQ(sc.s.sprite_old_x[10], 11);
    sc.frame_before_step();
    EXPECT_EQ(sc.s.sprite_old_x[10], 10);
    sc.s.sprite_x[10] = 11.5;
    sc.frame_before_step();
    EXPECT_EQ(sc.s.sprite_old_x[10], 12);
}

TEST(Drawing, FreeSlotsAreNeitherErasedDrawnNorCopied) {
    scene sc;
    sc.put(7, 8, 50, 60);
    sc.s.sprite_active[7] = 0;
    sc.s.sprite_active[1] = 0;
    sc.p.background_work.fill_rect(40, 50, 40, 40, rgb(1, 2, 3));  // not clean where slot 7 lies
    surface work_before = sc.p.background_work;
    sc.frame_before_step();
    sc.frame_after_step();
    EXPECT_EQ(sc.p.background_work, work_before);
    EXPECT_TRUE(sc.h.window.copies.empty());
    EXPECT_EQ(sc.s.sprite_old_x[7], 0);
}

TEST(Drawing, SparklesAreOredSoBlackLeavesTheFieldVisible) {
    scene sc;
    sc.put(5, 6, 200, 100);  // sparkle frame 0, drawn with SRCPAINT
    sc.frame_before_step();
    sc.frame_after_step();
    sprite_image_box b = slot_image_box(sc.s, 5);
    for (std::int32_t y = 0; y < b.height; ++y)
        for (std::int32_t x = 0; x < b.width; ++x) {
            pixel sheet = sc.p.sprite.at(b.sheet_x + x, b.sheet_y + y);
            pixel field = sc.p.background_copy.at(200 + x, 100 + y);
            EXPECT_EQ(sc.p.background_work.at(200 + x, 100 + y), sheet | field);
        }
    // The blank frame (black) restores the clean field exactly.
    sc.frame_before_step();
    sc.s.sprite_image[5] = 11;
    sc.frame_after_step();
    for (std::int32_t y = 0; y < 17; ++y)
        for (std::int32_t x = 0; x < 15; ++x)
            EXPECT_EQ(sc.p.background_work.at(200 + x, 100 + y),
                      sc.p.background_copy.at(200 + x, 100 + y));
}

TEST(Drawing, BlitOldSpriteErasesEvenAFreedBall) {
    scene sc;
    sc.put(10, 5, 300, 250);
    sc.frame_before_step();
    sc.frame_after_step();
    ASSERT_NE(sc.h.window.screen.at(192 + 305, 144 + 255), sc.p.background_copy.at(305, 255));
    sprite_off(sc.p, 10);
    blit_old_sprite(sc.p, 10);
    for (std::int32_t y = 250; y < 264; ++y)
        for (std::int32_t x = 300; x < 314; ++x) {
            EXPECT_EQ(sc.p.background_work.at(x, y), sc.p.background_copy.at(x, y));
            EXPECT_EQ(sc.h.window.screen.at(192 + x, 144 + y), sc.p.background_copy.at(x, y));
        }
}

TEST(Drawing, BoxesBeyondTheFieldAreClippedAndLeaveTheBackdropAlone) {
    scene sc(1280, 1024);
    surface backdrop = sc.h.window.screen;
    sc.put(5, 7, 900, 700);   // a pause sparkle far outside the field
    sc.put(6, 7, 632, -8);    // one across the field's top-right corner
    sc.put(10, 5, -1e12, 3);  // a place no picture holds
    sc.frame_before_step();
    sc.frame_after_step();
    for (std::int32_t y = 0; y < 1024; ++y)
        for (std::int32_t x = 0; x < 1280; ++x) {
            bool in_field = x >= 320 && x < 960 && y >= 272 && y < 752;
            if (!in_field) {
                ASSERT_EQ(sc.h.window.screen.at(x, y), backdrop.at(x, y)) << x << "," << y;
            }
        }
    EXPECT_EQ(sc.p.background_work, composed(sc.p));
}

// Random sprite moves for many frames: after each, background_work is the clean field with the
// sprites drawn, the window equals it inside every copied rectangle, and no sprite leaves a trace
// anywhere on the field.
TEST(Drawing, RandomMovesNeverLeaveATrace) {
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        scene sc(800, 600);  // field at (80, 60)
        std::mt19937 rng(seed);
        auto coin = [&rng](double p) {
            return std::uniform_real_distribution<double>(0, 1)(rng) < p;
        };
        auto place = [&rng](double lo, double hi) {
            double v = std::uniform_real_distribution<double>(lo, hi)(rng);
            return std::uniform_int_distribution<int>(0, 2)(rng) == 0 ? std::floor(v) + 0.5 : v;
        };
        // The first frame starts from a full repaint, as the frame loop's first frame does.
        sc.h.window.blit(80, 60, 640, 480, sc.p.background_copy, 0, 0, srccopy);
        sc.put(10, 5, 313, 192);
        for (int frame = 0; frame < 400; ++frame) {
            sc.frame_before_step();
            // The step: the paddle and ball move, sparkles come and animate, the ball is lost
            // (erased at once) and comes back.
            sc.s.sprite_x[1] = std::clamp(sc.s.sprite_x[1] + place(-40, 40), 0.0, 550.0);
            sc.s.sprite_image[1] = 1 + static_cast<int>(rng() % 4);
            if (sc.s.sprite_active[10]) {
                sc.s.sprite_x[10] = place(-10, 640);
                sc.s.sprite_y[10] = place(-10, 480);
                if (coin(0.05)) {
                    sprite_off(sc.p, 10);
                    blit_old_sprite(sc.p, 10);
                }
            } else if (coin(0.2)) {
                sc.put(10, 5, 313, 192);
            }
            for (std::int32_t slot = 2; slot <= 9; ++slot)
                if (!sc.s.sprite_active[slot] && coin(0.1)) {
                    sc.s.sprite_x[slot] = place(-20, 660);
                    sc.s.sprite_y[slot] = place(-20, 500);
                    sc.s.sprite_anim[slot] = 1 + static_cast<int>(rng() % 10);
                    sc.s.sprite_active[slot] = 1;
                }
            anim_sprites(sc.p);
            sc.frame_after_step();

            ASSERT_EQ(sc.p.background_work, composed(sc.p)) << "frame " << frame;
            for (const auto& c : sc.h.window.copies)
                for (std::int32_t y = std::max(c.y, 60); y < std::min(c.y + c.h, 540); ++y)
                    for (std::int32_t x = std::max(c.x, 80); x < std::min(c.x + c.w, 720); ++x)
                        ASSERT_EQ(sc.h.window.screen.at(x, y),
                                  sc.p.background_work.at(x - 80, y - 60))
                            << "frame " << frame;
            ASSERT_EQ(first_difference(sc.h.window.screen, 80, 60, sc.p.background_work), "")
                << "a trace after frame " << frame;
        }
    }
}

// A slot put into play in the game step still has the old box of its last erase; its first
// copy runs from there to its new box, and the picture is right all the same.
TEST(Drawing, ASlotPutIntoPlayIsFirstCopiedFromItsLastErasedBox) {
    scene sc;
    sc.s.sprite_active[1] = 0;
    sc.h.window.blit(192, 144, 640, 480, sc.p.background_copy, 0, 0, srccopy);  // full repaint
    sc.frame_before_step();
    sc.put(6, 6, 200.5, 100);  // never erased yet: old box (0, 0)
    sc.frame_after_step();
    ASSERT_EQ(sc.h.window.copies.size(), 1u);
    EXPECT_EQ(sc.p.game.dirty_left, 0);
    EXPECT_EQ(sc.p.game.dirty_top, 0);
    EXPECT_EQ(sc.p.game.dirty_width, 216) << "(200.5 - 0) + 1 + 15 = 216.5, to the even 216";
    EXPECT_EQ(sc.p.game.dirty_height, 118);
    EXPECT_EQ(first_difference(sc.h.window.screen, 192, 144, sc.p.background_work), "");

    // Freed, moved while free, and put back: the copy starts at the box where it was erased.
    sc.frame_before_step();
    sprite_off(sc.p, 6);
    sc.frame_after_step();
    sc.frame_before_step();
    sc.s.sprite_x[6] = 150;
    sc.s.sprite_y[6] = 300;
    sc.s.sprite_active[6] = 1;
    sc.frame_after_step();
    EXPECT_EQ(sc.p.game.dirty_left, 150) << "moved left: starts at the new place";
    EXPECT_EQ(sc.p.game.dirty_width, (200 - 150) + 1 + 15);
    EXPECT_EQ(sc.p.game.dirty_top, 100);
    EXPECT_EQ(sc.p.game.dirty_height, (300 - 100) + 1 + 17);
}
