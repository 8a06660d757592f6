// The sprite sheet: its size and depth, and every region the game cuts from it, where the
// image table, the brick field and the score display read them.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "asset_files.h"
#include "platform/headless/bmp_file.h"

using namespace glim::assets_check;

namespace {

constexpr int paddle_w = 89, paddle_h = 125, bar_rows = 11;

const picture& sheet() {
    static const picture p = [] {
        auto b = read_bmp(read_bytes(source_path("resources/sprite_sheet.bmp")));
        return b ? *b : picture{};
    }();
    return p;
}

bool all_black(const std::vector<rgb_pixel>& v) {
    return std::all_of(v.begin(), v.end(), [](rgb_pixel p) { return p.black(); });
}

int lit(const std::vector<rgb_pixel>& v) {
    return static_cast<int>(
        std::count_if(v.begin(), v.end(), [](rgb_pixel p) { return !p.black(); }));
}

int brightness(rgb_pixel p) {
    return p.r + p.g + p.b;
}

}  // namespace

TEST(SpriteSheet, Is640By165With256ColoursAndPureBlack) {
    const picture& s = sheet();
    ASSERT_EQ(s.width, 640);
    ASSERT_EQ(s.height, 165);
    EXPECT_EQ(s.bits, 8);
    EXPECT_EQ(s.palette.size(), 256u);
    EXPECT_NE(std::find(s.palette.begin(), s.palette.end(), rgb_pixel{0, 0, 0}), s.palette.end());
}

TEST(SpriteSheet, TheGameLoaderReadsTheSamePixels) {
    auto loaded = glim::read_bmp(source_path("resources/sprite_sheet.bmp"));
    ASSERT_TRUE(loaded.has_value());
    ASSERT_EQ(loaded->width(), 640);
    ASSERT_EQ(loaded->height(), 165);
    for (auto [x, y] :
         {std::pair{0, 0}, {44, 60}, {377, 7}, {400, 66}, {13 * 32 + 16, 144}, {639, 164}}) {
        glim::pixel p = loaded->at(x, y);
        EXPECT_EQ((rgb_pixel{glim::red_of(p), glim::green_of(p), glim::blue_of(p)}),
                  sheet().at(x, y))
            << x << "," << y;
    }
}

TEST(SpriteSheet, BlankSquareIsPureBlackAtEverySizeItIsUsed) {
    // 32 x 32 as the empty cell; it contains the 15 x 17 blank and the 14 x 14 icon place,
    // and reaches into the top two rows of the sparkle frames below it.
    EXPECT_TRUE(all_black(sheet().block(384, 0, 32, 32)));
}

TEST(SpriteSheet, PaddleFiguresCarryTheGreenBarAcrossTheirWholeWidth) {
    const picture& s = sheet();
    for (int k = 0; k < 4; ++k) {
        for (int y = 0; y < bar_rows; ++y)
            for (int x = 0; x < paddle_w; ++x) {
                rgb_pixel p = s.at(paddle_w * k + x, y);
                ASSERT_TRUE(p.g > p.r + 30 && p.g > p.b + 30)
                    << "figure " << k << " at " << x << "," << y;
            }
        // below the bar a figure stands on black: the bar is not the whole picture
        auto body = s.block(paddle_w * k, bar_rows, paddle_w, paddle_h - bar_rows);
        EXPECT_GT(lit(body), 1500) << k;
        EXPECT_LT(lit(body), paddle_w * (paddle_h - bar_rows) / 2) << k;
        // the figure reaches the bottom row: the paddle's box ends at the field's edge
        EXPECT_GT(lit(s.block(paddle_w * k, paddle_h - 1, paddle_w, 1)), 8) << k;
    }
}

TEST(SpriteSheet, WalkingLeftIsWalkingRightMirrored) {
    const picture& s = sheet();
    for (int k = 0; k < 2; ++k)
        for (int y = 0; y < paddle_h; ++y)
            for (int x = 0; x < paddle_w; ++x)
                ASSERT_EQ(s.at(paddle_w * k + x, y), s.at(paddle_w * (k + 2) + paddle_w - 1 - x, y))
                    << k << " " << x << "," << y;
    EXPECT_NE(s.block(0, 0, paddle_w, paddle_h), s.block(paddle_w, 0, paddle_w, paddle_h));
}

TEST(SpriteSheet, BallIsRedOnBlack) {
    const picture& s = sheet();
    rgb_pixel centre = s.at(370 + 7, 7);
    EXPECT_GT(centre.r, 150);
    EXPECT_LT(centre.g, 100);
    for (auto [x, y] : {std::pair{0, 0}, {13, 0}, {0, 13}, {13, 13}})
        EXPECT_TRUE(s.at(370 + x, y).black()) << x << "," << y;
}

TEST(SpriteSheet, SparklesAreWhiteCrossesShrinkingToOneDot) {
    const picture& s = sheet();
    int previous = 1 << 30;
    for (int k = 0; k < 5; ++k) {
        auto frame = s.block(370 + 16 * k, 30, 15, 17);
        for (rgb_pixel p : frame)
            ASSERT_TRUE(p.black() || p == (rgb_pixel{255, 255, 255})) << "frame " << k;
        // the two top rows lie inside the empty cell's black square
        EXPECT_TRUE(all_black(s.block(370 + 16 * k, 30, 15, 2))) << k;
        int n = lit(frame);
        EXPECT_LT(n, previous) << k;
        previous = n;
        // a cross: symmetric left to right and about its middle row
        for (int y = 0; y < 17; ++y)
            for (int x = 0; x < 15; ++x)
                ASSERT_EQ(s.at(370 + 16 * k + x, 30 + y), s.at(370 + 16 * k + 14 - x, 30 + y));
    }
    EXPECT_EQ(lit(s.block(370 + 16 * 4, 30, 15, 17)), 1);
    EXPECT_GE(lit(s.block(370, 30, 15, 17)), 29);  // both arms fill the frame's width
}

TEST(SpriteSheet, DigitsAreLightOnBlackAndAllDifferent) {
    const picture& s = sheet();
    std::set<std::vector<std::uint8_t>> seen;
    for (int d = 0; d < 10; ++d) {
        auto digit = s.block(370 + 16 * d, 61, 16, 14);
        int bright = 0;
        std::vector<std::uint8_t> key;
        for (rgb_pixel p : digit) {
            bright += brightness(p) > 450;
            key.push_back(static_cast<std::uint8_t>(brightness(p) / 3));
        }
        EXPECT_GT(bright, 12) << d;
        // black at the sides, so neighbouring digits stay apart
        EXPECT_TRUE(all_black(s.block(370 + 16 * d, 61, 2, 14))) << d;
        EXPECT_TRUE(seen.insert(key).second) << "digit " << d << " repeats another";
    }
}

TEST(SpriteSheet, BrickTilesAreFilledDistinctPicturesOnBlack) {
    const picture& s = sheet();
    std::set<std::vector<std::uint8_t>> seen;
    for (int k = 0; k < 20; ++k) {
        auto tile = s.block(32 * k, 128, 32, 32);
        EXPECT_GT(lit(tile), 32 * 32 / 4) << "tile " << k << " is nearly empty";
        std::vector<std::uint8_t> key;
        for (rgb_pixel p : tile) key.insert(key.end(), {p.r, p.g, p.b});
        EXPECT_TRUE(seen.insert(key).second) << "tile " << k << " repeats another";
        if (k == 13) continue;  // Santa's face on blue, checked below
        EXPECT_TRUE(s.at(32 * k, 128).black() || s.at(32 * k + 31, 128).black() ||
                    s.at(32 * k, 159).black() || s.at(32 * k + 31, 159).black())
            << "tile " << k << " has no black ground in any corner";
    }
    // tile 13: a blue ground inside a black edge one pixel wide
    EXPECT_TRUE(all_black(s.block(13 * 32, 128, 32, 1)));
    EXPECT_TRUE(all_black(s.block(13 * 32, 159, 32, 1)));
    EXPECT_TRUE(all_black(s.block(13 * 32, 128, 1, 32)));
    EXPECT_TRUE(all_black(s.block(13 * 32 + 31, 128, 1, 32)));
    rgb_pixel inside = s.at(13 * 32 + 2, 128 + 29);
    EXPECT_GT(inside.b, inside.r + 60);
}
