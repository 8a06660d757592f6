#include "dialogs/rules/preview_box.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

using namespace glim;

namespace {

// The whole path of the picture box's size: client rectangle -> twips -> pixels, at a screen of
// `dpi` dots per inch whose twips per pixel the start-up recorded rounded to a whole number.
box_size box_at(const host_client_rect& r, int dpi) {
    const double exact = 1440.0 / dpi;
    const auto recorded = static_cast<std::int16_t>(std::lrint(exact));
    return box_pixels(preview_box_twips(r, recorded, recorded), exact, exact);
}

}  // namespace

TEST(PreviewBox, FillsTheHostClientAreaAtWholeTwipsPerPixel) {
    for (int dpi : {96, 120, 144}) {
        for (auto [w, h] : {std::pair{152, 112}, {154, 116}, {1, 1}, {75, 300}, {1024, 768}}) {
            const box_size b = box_at({0, 0, w, h}, dpi);
            EXPECT_EQ(b.width, w) << dpi << " dpi";
            EXPECT_EQ(b.height, h) << dpi << " dpi";
        }
    }
}

TEST(PreviewBox, TwipsAreTheClientSizeTimesTheRecordedTwips) {
    const box_size t = preview_box_twips({0, 0, 152, 112}, 15, 15);
    EXPECT_EQ(t.width, 2280);
    EXPECT_EQ(t.height, 1680);
    // Only the extent counts, not where the rectangle starts; across and down use their own.
    const box_size u = preview_box_twips({10, 20, 110, 70}, 12, 15);
    EXPECT_EQ(u.width, 1200);
    EXPECT_EQ(u.height, 750);
}

TEST(PreviewBox, AnEmptyRectangleGivesAnEmptyBox) {
    // What a handle that names no window leaves behind.
    const box_size b = box_at({}, 96);
    EXPECT_EQ(b.width, 0);
    EXPECT_EQ(b.height, 0);
}

TEST(PreviewBox, RoundedTwipsMakeTheBoxSlightlySmallerAtOddResolutions) {
    // 110 dpi: 13.09 twips per pixel, recorded as 13. 300 px -> 3900 twips -> 297.9 px.
    // 72 dpi: exactly 20, so nothing is lost.
    EXPECT_EQ(box_at({0, 0, 300, 200}, 110).width, 298);
    EXPECT_EQ(box_at({0, 0, 300, 200}, 110).height, 199);  // 2600 twips -> 198.6
    EXPECT_EQ(box_at({0, 0, 300, 200}, 72).width, 300);
}

TEST(PreviewBox, PixelsRoundHalvesToEven) {
    const box_size b = box_pixels({40, 56}, 16.0, 16.0);  // 2.5 and 3.5
    EXPECT_EQ(b.width, 2);
    EXPECT_EQ(b.height, 4);
}

TEST(PreviewBox, OutOfRangeValuesStayDefined) {
    constexpr auto big = std::numeric_limits<std::int32_t>::max();
    const box_size t = preview_box_twips({0, 0, big, big}, 15, 15);
    EXPECT_EQ(t.width, big);
    EXPECT_EQ(t.height, big);
    const box_size none = box_pixels({3000, 3000}, 0.0, -1.0);
    EXPECT_EQ(none.width, 0);
    EXPECT_EQ(none.height, 0);
}
