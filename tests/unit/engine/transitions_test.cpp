#include "engine/transitions.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "platform/headless/headless_program.h"
#include "shell/numbers.h"

using namespace glim;

namespace {

surface numbered(std::int32_t w, std::int32_t h) {
    surface s(w, h);
    for (std::int32_t y = 0; y < h; ++y)
        for (std::int32_t x = 0; x < w; ++x) s.set(x, y, static_cast<pixel>(1 + y * 4096 + x));
    return s;
}

// A destination that keeps its picture and every copy made onto it.
class recording_target : public paint_target {
  public:
    recording_target(std::int32_t w, std::int32_t h, pixel fill) : pic(w, h, fill) {}
    std::int32_t width() const override { return pic.width(); }
    std::int32_t height() const override { return pic.height(); }
    void blit(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, const surface& src,
              std::int32_t sx, std::int32_t sy, std::uint32_t op) override {
        copies.push_back({x, y, w, h, sx, sy});
        pic.blit(x, y, w, h, src, sx, sy, op);
    }
    void blit_within(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                     std::int32_t sx, std::int32_t sy) override {
        ++shifts;
        pic.blit_within(x, y, w, h, sx, sy);
    }
    void stretch(std::int32_t, std::int32_t, std::int32_t, std::int32_t, const surface&,
                 std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}

    struct copy {
        std::int32_t x, y, w, h, sx, sy;
    };
    surface pic;
    std::vector<copy> copies;
    int shifts = 0;
};

}  // namespace

TEST(Transitions, RandomBlocksCopyEachOfTheGridOnceInAShuffledOrder) {
    for (auto [sw, sh, bw, bh] : {std::array{1024, 768, 27, 20}, std::array{800, 600, 21, 16}}) {
        headless_program h(sw, sh);
        surface src = numbered(sw, sh);
        recording_target dst(sw, sh, 0);
        std::uint32_t start = h.system.clock;
        blit_effect(h.p, src, dst, 1);
        ASSERT_EQ(dst.copies.size(), 1600u);
        std::set<std::pair<std::int32_t, std::int32_t>> corners;
        for (const auto& c : dst.copies) {
            EXPECT_EQ(c.w, bw);
            EXPECT_EQ(c.h, bh);
            EXPECT_EQ(c.x, c.sx);
            EXPECT_EQ(c.y, c.sy);
            corners.insert({c.x, c.y});
        }
        std::set<std::pair<std::int32_t, std::int32_t>> grid;
        for (int r = 0; r < 40; ++r)
            for (int c = 0; c < 40; ++c)
                grid.insert({round_even(c * (sw / 40.0)), round_even(r * (sh / 40.0))});
        EXPECT_EQ(corners, grid) << "every block exactly once";
        EXPECT_EQ(dst.pic, src) << "the blocks together cover the whole screen";
        bool in_row_order = true;
        for (std::size_t k = 1; k < dst.copies.size(); ++k)
            in_row_order =
                in_row_order &&
                (dst.copies[k].y > dst.copies[k - 1].y ||
                 (dst.copies[k].y == dst.copies[k - 1].y && dst.copies[k].x > dst.copies[k - 1].x));
        EXPECT_FALSE(in_row_order) << "the order is shuffled";
        EXPECT_GE(h.system.clock - start, 1600u * 2) << "a 2 ms wait after each block";
    }
}

TEST(Transitions, LinesFromBothEdgesCoverEveryRowAndColumnOnce) {
    headless_program h(64, 48);
    surface src = numbered(64, 48);
    recording_target rows(64, 48, 0);
    blit_effect(h.p, src, rows, 2);
    ASSERT_EQ(rows.copies.size(), 2u * 25);  // i = 0, 2, ..., 48
    for (std::size_t k = 0; k < 25; ++k) {
        EXPECT_EQ(rows.copies[2 * k].y, static_cast<std::int32_t>(2 * k));
        EXPECT_EQ(rows.copies[2 * k + 1].y, 47 - static_cast<std::int32_t>(2 * k));
        EXPECT_EQ(rows.copies[2 * k].w, 64);
        EXPECT_EQ(rows.copies[2 * k].h, 1);
    }
    EXPECT_EQ(rows.pic, src);

    recording_target columns(64, 48, 0);
    std::uint32_t start = h.system.clock;
    blit_effect(h.p, src, columns, 3);
    ASSERT_EQ(columns.copies.size(), 2u * 33);  // i = 0, 2, ..., 64
    EXPECT_EQ(columns.copies[1].x, 63);
    EXPECT_EQ(columns.copies[1].h, 48);
    EXPECT_EQ(columns.pic, src);
    EXPECT_GE(h.system.clock - start, 33u * 5);
}

TEST(Transitions, SlideDownPushesTheOldPictureOut) {
    headless_program h(16, 12);
    surface src = numbered(16, 12);
    surface old(16, 12);
    for (std::int32_t y = 0; y < 12; ++y)
        old.fill_rect(0, y, 16, 1, rgb(0, 0, static_cast<std::uint8_t>(100 + y)));
    recording_target dst(16, 12, 0);
    dst.pic = old;
    // Look at the destination in the wait after each step.
    std::int32_t step = 0;
    h.system.on_process_events = [&] {
        if (dst.shifts != step + 1) return;  // only the first processing of events per step
        for (std::int32_t y = 0; y < 12; ++y)
            for (std::int32_t x = 0; x < 16; ++x) {
                pixel want = y <= step ? src.at(x, y) : old.at(x, y - step - 1);
                ASSERT_EQ(dst.pic.at(x, y), want) << "step " << step << " at " << x << "," << y;
            }
        ++step;
    };
    blit_effect(h.p, src, dst, 10);
    EXPECT_EQ(step, 13) << "screen_h + 1 steps";
    EXPECT_EQ(dst.pic, src);
}

TEST(Transitions, OtherEffectsCopyNothingButStillReseed) {
    headless_program h(64, 48);
    surface src = numbered(64, 48);
    for (std::int32_t effect : {0, 4, 9, 11, -1}) {
        recording_target dst(64, 48, 7);
        h.p.rnd.seed(12345);
        h.system.advance(3);
        random_source clock_seeded = h.p.rnd;
        clock_seeded.reseed(h.system.clock);
        std::int64_t events = h.system.events_processed;
        blit_effect(h.p, src, dst, effect);
        EXPECT_TRUE(dst.copies.empty()) << effect;
        EXPECT_EQ(dst.shifts, 0);
        EXPECT_EQ(h.system.events_processed, events) << "no wait";
        EXPECT_EQ(h.p.rnd.state(), clock_seeded.state()) << effect;
    }
    handle_picture_rotation(h.p);
}

TEST(Transitions, NumberOfColoursIsTwoToTheBitsTimesPlanes) {
    headless_program h;
    h.window.bits_per_pixel = 8;
    EXPECT_EQ(get_numberofcolors(h.p), 256.0);
    h.window.bits_per_pixel = 16;
    EXPECT_EQ(get_numberofcolors(h.p), 65536.0);
    h.window.bits_per_pixel = 32;
    EXPECT_EQ(get_numberofcolors(h.p), 4294967296.0);
    h.window.bits_per_pixel = 4;
    h.window.colour_planes = 2;
    EXPECT_EQ(get_numberofcolors(h.p), 256.0);
}
