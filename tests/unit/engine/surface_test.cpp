#include "engine/surface.h"

#include <gtest/gtest.h>

#include "platform/headless/headless_program.h"

using namespace glim;

namespace {

// A picture whose every pixel differs from every other, so a misplaced copy shows.
surface numbered(std::int32_t w, std::int32_t h) {
    surface s(w, h);
    for (std::int32_t y = 0; y < h; ++y)
        for (std::int32_t x = 0; x < w; ++x) s.set(x, y, static_cast<pixel>(1 + y * 1000 + x));
    return s;
}

}  // namespace

TEST(Surface, CopyAndOrOntoTheDestination) {
    surface src(4, 1);
    src.set(0, 0, rgb(0, 0, 0));
    src.set(1, 0, rgb(0x10, 0, 0));
    src.set(2, 0, rgb(0, 0x20, 0x01));
    src.set(3, 0, rgb(0xff, 0xff, 0xff));
    surface dst(4, 1, rgb(0x01, 0x02, 0x40));

    surface or_dst = dst;
    or_dst.blit(0, 0, 4, 1, src, 0, 0, srcpaint);
    EXPECT_EQ(or_dst.at(0, 0), rgb(0x01, 0x02, 0x40)) << "black must leave the field visible";
    EXPECT_EQ(or_dst.at(1, 0), rgb(0x11, 0x02, 0x40));
    EXPECT_EQ(or_dst.at(2, 0), rgb(0x01, 0x22, 0x41));
    EXPECT_EQ(or_dst.at(3, 0), rgb(0xff, 0xff, 0xff));

    dst.blit(0, 0, 4, 1, src, 0, 0, srccopy);
    EXPECT_EQ(dst, src);
}

TEST(Surface, CopiesAreClippedAtEveryEdgeOfBothPictures) {
    surface src = numbered(10, 8);
    // A box reaching beyond the destination on all four sides, and beyond the source.
    for (auto [x, y, sx, sy] : {std::array{-3, -2, 0, 0}, std::array{7, 5, 2, 1},
                                std::array{2, 3, -4, -1}, std::array{0, 0, 6, 5}}) {
        surface dst(6, 5, rgb(9, 9, 9));
        dst.blit(x, y, 8, 7, src, sx, sy, srccopy);
        for (std::int32_t j = 0; j < dst.height(); ++j)
            for (std::int32_t i = 0; i < dst.width(); ++i) {
                std::int32_t u = sx + (i - x), v = sy + (j - y);
                bool inside = i >= x && i < x + 8 && j >= y && j < y + 7 && u >= 0 && u < 10 &&
                              v >= 0 && v < 8;
                EXPECT_EQ(dst.at(i, j), inside ? src.at(u, v) : rgb(9, 9, 9))
                    << "at " << i << "," << j << " for box " << x << "," << y;
            }
    }
    // Sizes that are empty or far out of range copy nothing and do not crash.
    surface dst(6, 5, 7);
    dst.blit(2147483600, 2147483600, 1000, 1000, src, 0, 0, srccopy);
    dst.blit(-2147483647, 0, 2147483647, 5, src, 0, 0, srccopy);
    dst.blit(0, 0, -5, 5, src, 0, 0, srccopy);
    dst.blit(0, 0, 5, 5, src, 0, 0, 0x00330008);  // an operation the game never uses
    EXPECT_EQ(dst, surface(6, 5, 7));
}

TEST(Surface, CopyWithinOverlappingRectanglesKeepsTheSource) {
    surface s = numbered(5, 6);
    surface before = s;
    s.blit_within(0, 1, 5, 5, 0, 0);  // one row down, as the slide transition shifts
    for (std::int32_t y = 1; y < 6; ++y)
        for (std::int32_t x = 0; x < 5; ++x) EXPECT_EQ(s.at(x, y), before.at(x, y - 1));
    s = before;
    s.blit_within(0, 0, 4, 6, 1, 0);  // one column left
    for (std::int32_t y = 0; y < 6; ++y)
        for (std::int32_t x = 0; x < 4; ++x) EXPECT_EQ(s.at(x, y), before.at(x + 1, y));
}

TEST(Surface, StretchCoversTheWholeDestination) {
    surface src = numbered(4, 3);
    surface dst(10, 7);
    dst.stretch(0, 0, 10, 7, src, 0, 0, 4, 3);
    EXPECT_EQ(dst.at(0, 0), src.at(0, 0));
    EXPECT_EQ(dst.at(9, 6), src.at(3, 2));
    for (pixel p : dst.pixels()) EXPECT_NE(p, 0u);
    surface same(4, 3);
    same.stretch(0, 0, 4, 3, src, 0, 0, 4, 3);
    EXPECT_EQ(same, src);
}

TEST(Surface, ResizeKeepsWhatFits) {
    surface s = numbered(3, 3);
    s.resize(5, 2);
    EXPECT_EQ(s.width(), 5);
    EXPECT_EQ(s.at(2, 1), numbered(3, 3).at(2, 1));
    EXPECT_EQ(s.at(4, 1), 0u);
}

TEST(HeadlessProgram, StandsUpLikeAnActivatedSaverWindow) {
    headless_program h(1023, 768);
    EXPECT_EQ(h.p.run.field_x, 191.5);
    EXPECT_EQ(h.p.run.field_y, 144);
    EXPECT_EQ(h.p.background_work.width(), 640);
    EXPECT_EQ(h.p.background_copy.height(), 480);
    EXPECT_EQ(h.p.sprite.width(), 640);
    EXPECT_EQ(h.p.sprite.height(), 165);
    EXPECT_EQ(h.window.screen.width(), 1023);
    EXPECT_EQ(h.p.cfg.hiscore_value[10], 10);
}
