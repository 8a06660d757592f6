#include "levels/layout_text.h"

#include <gtest/gtest.h>

#include <string>

using namespace glim;

namespace {

// 15 rows of text made of one repeated row, with one row replaced.
std::string rows_text(const std::string& row, int odd_row = -1, const std::string& odd = "") {
    std::string text;
    for (int r = 0; r < grid_rows; ++r) text += (r == odd_row ? odd : row) + "\n";
    return text;
}

brick_grid_t filled(int v) {
    brick_grid_t g;
    for (auto& column : g) column.fill(v);
    return g;
}

}  // namespace

TEST(LayoutText, EveryKindHasOneCharacterBothWays) {
    const std::string chars = ".123456789abcdefghi";
    for (int kind = 0; kind <= max_brick_kind; ++kind) {
        EXPECT_EQ(char_of_kind(kind), chars[static_cast<std::size_t>(kind)]);
        EXPECT_EQ(kind_of_char(chars[static_cast<std::size_t>(kind)]), kind);
    }
    for (char ch : std::string("0jA I ?-\t\n")) EXPECT_EQ(kind_of_char(ch), -1) << ch;
    // Values no layout may hold print as '?', which no reader accepts back.
    for (int v : {-7, -1, 19, 20, 1 << 30}) EXPECT_EQ(char_of_kind(v), '?') << v;
}

TEST(LayoutText, ReadsBothRowFormsAndTheLineEndings) {
    brick_grid_t g = filled(5);
    const std::string run = "1.3456789abcdefghi.2";
    const std::string spaced = "1 . 3 4 5 6 7 8 9 a b c d e f g h i . 2";
    ASSERT_TRUE(parse_layout(rows_text(run), g));
    const brick_grid_t from_run = g;
    EXPECT_EQ(g[0][0], 1);
    EXPECT_EQ(g[1][14], 0);
    EXPECT_EQ(g[17][7], 18);
    EXPECT_EQ(g[19][3], 2);

    g = filled(5);
    ASSERT_TRUE(parse_layout(rows_text(spaced), g));
    EXPECT_EQ(g, from_run);

    std::string crlf;
    for (int r = 0; r < grid_rows; ++r) crlf += run + "\r\n";
    g = filled(5);
    ASSERT_TRUE(parse_layout(crlf, g));
    EXPECT_EQ(g, from_run);

    std::string no_last_newline = rows_text(run);
    no_last_newline.pop_back();
    g = filled(5);
    ASSERT_TRUE(parse_layout(no_last_newline, g));
    EXPECT_EQ(g, from_run);
}

TEST(LayoutText, RejectsMalformedTextWithoutTouchingTheGrid) {
    const std::string row(20, '.');
    std::string fourteen;
    for (int r = 0; r < grid_rows - 1; ++r) fourteen += row + "\n";
    const std::string bad_texts[] = {
        "",
        fourteen,
        rows_text(row) + row + "\n",  // sixteen rows
        rows_text(row) + "\n",        // an empty line after the last row
        rows_text(row, 4, std::string(19, '.')),
        rows_text(row, 4, std::string(21, '.')),
        rows_text(row, 14, std::string(19, '.') + "j"),                 // no kind 19
        rows_text(row, 0, std::string(19, '.') + "0"),                  // '0' is not the empty cell
        rows_text(row, 9, "A" + std::string(19, '.')),                  // letters are lower case
        rows_text(row, 7, ".. . . . . . . . . . . . . . . . . . ."),    // blank in the wrong place
        rows_text(row, 7, ". . . . . . . . . . . . . . . . . . . . "),  // 40 characters
        rows_text(row, 2, ".........?.........."),
    };
    for (const std::string& text : bad_texts) {
        brick_grid_t g = filled(-7);
        EXPECT_FALSE(parse_layout(text, g)) << text;
        EXPECT_EQ(g, filled(-7)) << text;
    }
}

TEST(LayoutText, EveryLevelPrintsAsFifteenRowsAndReadsBackUnchanged) {
    for (int n = 1; n <= 20; ++n) {
        brick_grid_t g{};
        ASSERT_TRUE(build_level(n, g));
        const std::string text = format_layout(g);
        ASSERT_EQ(text.size(), static_cast<std::size_t>(grid_rows * (grid_columns + 1)));
        for (int r = 0; r < grid_rows; ++r) {
            EXPECT_EQ(text[static_cast<std::size_t>(r * (grid_columns + 1) + grid_columns)], '\n');
        }
        EXPECT_EQ(text.find('?'), std::string::npos) << "level " << n;
        brick_grid_t back = filled(1);
        ASSERT_TRUE(parse_layout(text, back)) << "level " << n;
        EXPECT_EQ(back, g) << "level " << n;
    }
}

TEST(LayoutText, PrintsCellsByRowThenColumn) {
    brick_grid_t g{};
    g[19][0] = 18;  // last column of the top row
    g[0][14] = 1;   // first column of the bottom row
    g[3][1] = 10;
    g[5][2] = 99;  // outside every layout: shown, not hidden
    const std::string text = format_layout(g);
    EXPECT_EQ(text.substr(0, 21), "...................i\n");
    EXPECT_EQ(text.substr(21, 21), "...a................\n");
    EXPECT_EQ(text.substr(42, 21), ".....?..............\n");
    EXPECT_EQ(text.substr(14 * 21), "1...................\n");
    brick_grid_t back{};
    EXPECT_FALSE(parse_layout(text, back));
}
