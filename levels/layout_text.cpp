#include "levels/layout_text.h"

namespace glim {

namespace detail {
void layout_table_is_malformed() {}
}  // namespace detail

std::string format_layout(const brick_grid_t& g) {
    std::string out;
    out.reserve(static_cast<std::size_t>(grid_rows * (grid_columns + 1)));
    for (int r = 0; r < grid_rows; ++r) {
        for (int c = 0; c < grid_columns; ++c) {
            out += char_of_kind(g[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)]);
        }
        out += '\n';
    }
    return out;
}

bool parse_layout(std::string_view text, brick_grid_t& g) {
    brick_grid_t read{};
    int row = 0;
    while (!text.empty()) {
        if (row == grid_rows) return false;  // more lines than the grid has rows
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!read_layout_row(line, row, read)) return false;
        ++row;
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    if (row != grid_rows) return false;
    g = read;
    return true;
}

}  // namespace glim
