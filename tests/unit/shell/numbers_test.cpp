#include "shell/numbers.h"

#include <gtest/gtest.h>

using namespace glim;

TEST(Numbers, RoundingTakesHalvesToEven) {
    EXPECT_EQ(round_even(44.5), 44);
    EXPECT_EQ(round_even(275.5), 276);
    EXPECT_EQ(round_even(-0.5), 0);
    EXPECT_EQ(round_even(-1.5), -2);
    EXPECT_EQ(round_even(362.5), 362);
    EXPECT_EQ(round_even(363.5), 364);
    EXPECT_FALSE(to_int32_checked(2147483648.0).has_value());
    EXPECT_EQ(*to_int32_checked(2147483647.4), 2147483647);
    EXPECT_EQ(*to_int32_checked(-2147483648.4), -2147483647 - 1);
    EXPECT_FALSE(to_int32_checked(std::nan("")).has_value());
}

TEST(Numbers, IntIsFloorAndSixteenBitsWrap) {
    EXPECT_EQ(vb_int(-0.5), -1);
    EXPECT_EQ(vb_int(9.999), 9);
    EXPECT_EQ(wrap16(32768), -32768);
    EXPECT_EQ(wrap16(65537), 1);
}

TEST(Numbers, ReadNumberFollowsTheCommandLineRules) {
    EXPECT_EQ(read_number(" 730"), 730);
    EXPECT_EQ(read_number("730"), 730);
    EXPECT_EQ(read_number(" 7 30"), 730);
    EXPECT_EQ(read_number(":730"), 0);
    EXPECT_EQ(read_number(" 730.5"), 730.5);
    EXPECT_EQ(read_number(""), 0);
    EXPECT_EQ(read_number("-12abc"), -12);
    EXPECT_EQ(read_number("1e3x"), 1000);
    EXPECT_EQ(read_number("1e"), 1);
    EXPECT_EQ(read_number("&HFF"), 255);
    EXPECT_EQ(read_number("&o17"), 15);
    EXPECT_EQ(read_number("&x1"), 0);
    EXPECT_EQ(read_number("yes"), 0);
    EXPECT_EQ(read_number(".5"), 0.5);
    EXPECT_EQ(read_number("085"), 85);
}

TEST(Numbers, ReadNumberTakesTheGivenMarks) {
    const number_format english{".", ","}, german{",", "."};
    EXPECT_EQ(read_number("1,000"), 1);  // the command line's rule knows no grouping
    EXPECT_EQ(read_number("1,000", english), 1000);
    EXPECT_EQ(read_number("1,000.5", english), 1000.5);
    EXPECT_EQ(read_number("1,,0", english), 1);  // a grouping mark stands between digits
    EXPECT_EQ(read_number("85,5", german), 85.5);
    EXPECT_EQ(read_number("1.000", german), 1000);
    EXPECT_EQ(read_number("-1.234.567,25", german), -1234567.25);
    EXPECT_EQ(read_number(",5", german), 0.5);
    EXPECT_FALSE(parse_number(".5", german).has_value());
    EXPECT_EQ(read_number("2,5", number_format{",", ","}), 2.5);  // the decimal mark wins
}
