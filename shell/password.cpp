#include "shell/password.h"

#include <cstdint>

namespace glim {

namespace {
constexpr char scramble_key[] = "qeHVn";

// The key letter used for character i (counted from 1): key positions 2, 3, 4, 5, 1, 2, ...
std::int16_t key_code(std::size_t i) {
    return static_cast<std::uint8_t>(scramble_key[i % 5]);
}

std::int16_t code_of(char c) {
    return static_cast<std::uint8_t>(c);
}
}  // namespace

void scramble_password(config_settings& config) {
    config.misc.clear();
    for (std::size_t i = 1; i <= config.password.size(); ++i) {
        std::int16_t x = code_of(config.password[i - 1]) ^ key_code(i);
        config.misc.push_back(static_cast<char>('z' - x / 16));
        config.misc.push_back(static_cast<char>('a' + x % 16));
    }
}

void unscramble_password(config_settings& config) {
    config.password.clear();
    const std::string& m = config.misc;
    // A trailing unpaired letter (a damaged text) carries no character and is ignored, unless
    // it is the only letter: then it is read as a pair cut short, its missing letter taken as
    // "a" (a low half-byte of 0), so that a damaged password never becomes empty (which would
    // switch the password off). Longer texts keep the passwords they have always given.
    for (std::size_t i = 0; i < m.size(); i += 2) {
        bool cut_short = i + 1 == m.size();
        if (cut_short && i > 0) break;
        char second = cut_short ? 'a' : m[i + 1];
        std::int16_t x =
            static_cast<std::int16_t>(('z' - code_of(m[i])) * 16 + (code_of(second) - 'a'));
        std::size_t pair = i / 2 + 1;
        std::int16_t c = x ^ key_code(pair);
        // A pair that decodes outside 0..255 cannot come from this program; keeping its low
        // byte still gives one character per pair, so again the password is kept.
        config.password.push_back(static_cast<char>(static_cast<std::uint8_t>(c & 0xFF)));
    }
}

}  // namespace glim
