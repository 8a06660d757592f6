// What the top-10 table shows in its ten rows.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "shell/state.h"

namespace glim {

// A score as the table writes it: decimal digits, a minus sign for a negative value.
std::string score_text(std::int32_t value);

// The place number of row i (0 to 9): "1)" to "10)".
std::string place_text(int row);

struct top10_row {
    std::string score;
    std::string name;
};

// Row i holds place i + 1 of the loaded table.
std::array<top10_row, 10> top10_rows(const config_settings& config);

}  // namespace glim
