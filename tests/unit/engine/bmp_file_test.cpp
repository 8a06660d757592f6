#include "platform/headless/bmp_file.h"

#include <gtest/gtest.h>

#include "platform/headless/test_pictures.h"

using namespace glim;

namespace {

void put(std::vector<std::uint8_t>& b, std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// A bitmap file built by hand: rows given top first, stored bottom-up unless top_down.
std::vector<std::uint8_t> bitmap(int bits, int w,
                                 const std::vector<std::vector<std::uint8_t>>& rows,
                                 const std::vector<pixel>& palette, bool top_down = false) {
    std::vector<std::uint8_t> b{'B', 'M'};
    const std::uint32_t pal = static_cast<std::uint32_t>(palette.size()) * 4;
    const std::size_t stride = ((static_cast<std::size_t>(w) * bits + 31) / 32) * 4;
    const auto h = static_cast<std::int32_t>(rows.size());
    put(b, static_cast<std::uint32_t>(54 + pal + stride * rows.size()), 4);
    put(b, 0, 4);
    put(b, 54 + pal, 4);
    put(b, 40, 4);
    put(b, static_cast<std::uint32_t>(w), 4);
    put(b, static_cast<std::uint32_t>(top_down ? -h : h), 4);
    put(b, 1, 2);
    put(b, static_cast<std::uint32_t>(bits), 2);
    put(b, 0, 4);
    put(b, 0, 4);
    put(b, 0, 4);
    put(b, 0, 4);
    put(b, static_cast<std::uint32_t>(palette.size()), 4);
    put(b, 0, 4);
    for (pixel p : palette) {
        b.push_back(blue_of(p));
        b.push_back(green_of(p));
        b.push_back(red_of(p));
        b.push_back(0);
    }
    for (int i = 0; i < h; ++i) {
        const auto& row = rows[static_cast<std::size_t>(top_down ? i : h - 1 - i)];
        b.insert(b.end(), row.begin(), row.end());
        b.resize(b.size() + stride - row.size(), 0);
    }
    return b;
}

}  // namespace

TEST(BmpFile, ReadsPalettisedPicturesEitherWayUp) {
    std::vector<pixel> palette{rgb(0, 0, 0), rgb(255, 0, 0), rgb(1, 2, 3)};
    std::vector<std::vector<std::uint8_t>> rows{{0, 1, 2}, {2, 2, 1}};
    for (bool top_down : {false, true}) {
        auto s = decode_bmp(bitmap(8, 3, rows, palette, top_down));
        ASSERT_TRUE(s.has_value());
        EXPECT_EQ(s->width(), 3);
        EXPECT_EQ(s->height(), 2);
        EXPECT_EQ(s->at(1, 0), rgb(255, 0, 0));
        EXPECT_EQ(s->at(0, 1), rgb(1, 2, 3));
        EXPECT_EQ(s->at(2, 1), rgb(255, 0, 0));
    }
    // An index beyond the palette reads as black instead of beyond it.
    auto s = decode_bmp(bitmap(8, 1, {{7}}, palette));
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->at(0, 0), 0u);
}

TEST(BmpFile, ReadsTrueColourAndRoundTripsWhatItWrites) {
    auto s = decode_bmp(bitmap(32, 2, {{3, 2, 1, 0, 6, 5, 4, 0}}, {}));
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->at(0, 0), rgb(1, 2, 3));
    EXPECT_EQ(s->at(1, 0), rgb(4, 5, 6));

    surface sheet = make_test_sheet();  // 640 wide; try an odd width too, for row padding
    surface odd(7, 5);
    for (int i = 0; i < 35; ++i)
        odd.set(i % 7, i / 7,
                rgb(static_cast<std::uint8_t>(i * 7), 9, static_cast<std::uint8_t>(200 - i)));
    for (const surface* pic : {&sheet, &odd}) {
        auto back = decode_bmp(encode_bmp(*pic));
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, *pic);
    }
}

TEST(BmpFile, RefusesWhatItCannotRead) {
    std::vector<pixel> palette{rgb(0, 0, 0)};
    auto good = bitmap(8, 2, {{0, 0}}, palette);
    EXPECT_FALSE(decode_bmp({}).has_value());
    auto truncated = good;
    truncated.resize(truncated.size() - 3);
    EXPECT_FALSE(decode_bmp(truncated).has_value());
    auto compressed = good;
    compressed[30] = 1;  // run-length encoded
    EXPECT_FALSE(decode_bmp(compressed).has_value());
    auto four_bit = good;
    four_bit[28] = 4;
    EXPECT_FALSE(decode_bmp(four_bit).has_value());
    auto huge = good;
    huge[21] = 0x7f;  // a width of about two thousand million
    EXPECT_FALSE(decode_bmp(huge).has_value());
    auto lowest = good;  // a top-down height of -2^31, which has no positive counterpart
    lowest[22] = lowest[23] = lowest[24] = 0;
    lowest[25] = 0x80;
    EXPECT_FALSE(decode_bmp(lowest).has_value());
    EXPECT_FALSE(read_bmp("/nonexistent/picture.bmp").has_value());
}
