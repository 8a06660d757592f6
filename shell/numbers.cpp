#include "shell/numbers.h"

#include <cstdlib>

namespace glim {

namespace {
bool is_skipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// The text with every skipped character removed, so that "7 30" reads as 730.
std::string squeeze(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (!is_skipped(c)) s.push_back(c);
    return s;
}

std::optional<double> read_radix(const std::string& s, std::size_t pos, int radix) {
    double v = 0;
    bool any = false;
    for (; pos < s.size(); ++pos) {
        int d;
        char c = s[pos];
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (radix == 16 && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (radix == 16 && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            break;
        if (d >= radix) break;
        v = v * radix + d;
        any = true;
    }
    if (!any) return std::nullopt;
    return v;
}

bool is_digit(const std::string& s, std::size_t i) {
    return i < s.size() && s[i] >= '0' && s[i] <= '9';
}

bool mark_at(const std::string& s, std::size_t i, const std::string& mark) {
    return !mark.empty() && s.compare(i, mark.size(), mark) == 0;
}
}  // namespace

std::optional<double> parse_number(std::string_view text, const number_format& format) {
    std::string s = squeeze(text);
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h') return read_radix(s, 2, 16);
        if (s[1] == 'O' || s[1] == 'o') return read_radix(s, 2, 8);
        return std::nullopt;
    }
    // The longest prefix of the form [sign] digits [. digits] [(e|E|d|D) [sign] digits], with
    // the format's marks in the text and a plain period in what strtod reads.
    std::size_t i = 0;
    std::string num;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) num.push_back(s[i++]);
    std::size_t digits = 0;
    for (;;) {
        while (is_digit(s, i)) num.push_back(s[i++]), ++digits;
        // The decimal mark wins where both marks are the same.
        if (digits == 0 || mark_at(s, i, format.decimal) || !mark_at(s, i, format.grouping) ||
            !is_digit(s, i + format.grouping.size()))
            break;
        i += format.grouping.size();
    }
    if (mark_at(s, i, format.decimal)) {
        num.push_back('.');
        i += format.decimal.size();
        while (is_digit(s, i)) num.push_back(s[i++]), ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exp = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exp.push_back(s[j++]);
        std::size_t exp_digits = 0;
        while (is_digit(s, j)) exp.push_back(s[j++]), ++exp_digits;
        if (exp_digits > 0) num += exp;
    }
    return std::strtod(num.c_str(), nullptr);
}

}  // namespace glim
