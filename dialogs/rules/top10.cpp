#include "dialogs/rules/top10.h"

namespace glim {

std::string score_text(std::int32_t value) {
    return std::to_string(value);
}

std::string place_text(int row) {
    return std::to_string(row + 1) + ")";
}

std::array<top10_row, 10> top10_rows(const config_settings& config) {
    std::array<top10_row, 10> rows;
    for (std::size_t p = 1; p <= 10; ++p)
        rows[p - 1] = {score_text(config.hiscore_value[p]), config.hiscore_name[p]};
    return rows;
}

}  // namespace glim
