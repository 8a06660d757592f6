// Number rules shared by every part of the program: rounding to the nearest integer with halves
// to even, Int() as floor, 16-bit values that wrap, and reading numbers out of text the way the
// settings store and the command line are read.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace glim {

// Nearest integer, halves to even (44.5 -> 44, 275.5 -> 276). The caller must pass a value that
// fits; use to_int32_checked where it may not.
inline std::int32_t round_even(double v) {
    return static_cast<std::int32_t>(std::nearbyint(v));
}

// The same, or nothing when the rounded value lies outside the 32-bit signed range (or is NaN).
inline std::optional<std::int32_t> to_int32_checked(double v) {
    if (!std::isfinite(v)) return std::nullopt;
    double r = std::nearbyint(v);
    if (r < -2147483648.0 || r > 2147483647.0) return std::nullopt;
    return static_cast<std::int32_t>(r);
}

// Int(v): the largest integer not above v.
inline std::int32_t vb_int(double v) {
    return static_cast<std::int32_t>(std::floor(v));
}

// A 16-bit signed value after wrapping, as 16-bit arithmetic leaves it.
inline std::int16_t wrap16(std::int32_t v) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(v));
}

// The characters that mark the decimal point and the digit groups in a number's text. The
// defaults are the fixed rule of the command line: a period and no grouping.
struct number_format {
    std::string decimal = ".";
    std::string grouping;
};

// Reads the number that a text begins with: blanks, tabs and line feeds are skipped wherever
// they stand; then an optional sign, digits (a grouping mark between two of them is passed
// over), an optional decimal mark with digits and an optional exponent; "&H" / "&O" introduce
// hexadecimal / octal digits. Reading stops at the first character that cannot continue the
// number; nothing when there is nothing readable.
std::optional<double> parse_number(std::string_view text, const number_format& format = {});

// The same with 0 for nothing readable.
inline double read_number(std::string_view text, const number_format& format = {}) {
    return parse_number(text, format).value_or(0);
}

}  // namespace glim
