// The text form of a brick layout: one line per row, row 0 first, one character per cell with
// column 0 first. '.' is an empty cell, '1' to '9' the kinds 1 to 9 and 'a' to 'i' the kinds 10
// to 18. A row is written either as 20 characters in a run or as 20 characters each followed by
// one blank but the last (39 characters); the level sources keep whichever form reads best
// beside the drawings they were made from.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "levels/levels.h"

namespace glim {

inline constexpr int max_brick_kind = 18;

using layout_rows = std::array<std::string_view, grid_rows>;

// The kind a character stands for, or -1 for a character outside the notation.
constexpr int kind_of_char(char ch) {
    if (ch == '.') return 0;
    if (ch >= '1' && ch <= '9') return ch - '0';
    if (ch >= 'a' && ch <= 'i') return ch - 'a' + 10;
    return -1;
}

// The character of a kind; '?' for a value that no layout can hold, so a printed grid shows
// such a cell instead of hiding it.
constexpr char char_of_kind(int kind) {
    if (kind == 0) return '.';
    if (kind >= 1 && kind <= 9) return static_cast<char>('0' + kind);
    if (kind >= 10 && kind <= max_brick_kind) return static_cast<char>('a' + kind - 10);
    return '?';
}

// Reads one row of text into row `row` of `g`. Returns false, with `g` possibly part-written,
// when the text is not a row in either form.
constexpr bool read_layout_row(std::string_view text, int row, brick_grid_t& g) {
    const bool spaced = text.size() == 2 * grid_columns - 1;
    if (!spaced && text.size() != grid_columns) return false;
    const std::size_t step = spaced ? 2 : 1;
    for (int c = 0; c < grid_columns; ++c) {
        const std::size_t at = static_cast<std::size_t>(c) * step;
        if (spaced && c + 1 < grid_columns && text[at + 1] != ' ') return false;
        const int kind = kind_of_char(text[at]);
        if (kind < 0) return false;
        g[static_cast<std::size_t>(c)][static_cast<std::size_t>(row)] = kind;
    }
    return true;
}

namespace detail {
// Deliberately not constexpr: reaching it while a level table is decoded at compile time stops
// the build, so a mistyped table can never be shipped.
void layout_table_is_malformed();
}  // namespace detail

// Decodes a level's fifteen rows at compile time into the grid the level writes.
consteval brick_grid_t layout_from_rows(const layout_rows& rows) {
    brick_grid_t g{};
    for (int r = 0; r < grid_rows; ++r) {
        if (!read_layout_row(rows[static_cast<std::size_t>(r)], r, g)) {
            detail::layout_table_is_malformed();
        }
    }
    return g;
}

// The grid as 15 lines of 20 characters, each line ended by '\n'.
std::string format_layout(const brick_grid_t& g);

// Reads text in the form format_layout writes (15 lines, in either row form; the last line's
// '\n' and a '\r' before each '\n' are optional). On success the whole grid is replaced; on
// failure `g` is left untouched and false is returned.
bool parse_layout(std::string_view text, brick_grid_t& g);

}  // namespace glim
