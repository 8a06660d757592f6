#include "shell/ansi_text.h"

#include <cstdint>

namespace glim {

char ansi_upper(char c) {
    auto u = static_cast<std::uint8_t>(c);
    if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
    // Code page 1252: the accented small letters sit 32 above their capitals, except the
    // division sign; a few capitals live in the 0x80 block.
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 32);
    switch (u) {
    case 0x9A: return static_cast<char>(0x8A);  // s caron
    case 0x9C: return static_cast<char>(0x8C);  // oe
    case 0x9E: return static_cast<char>(0x8E);  // z caron
    case 0xFF: return static_cast<char>(0x9F);  // y diaeresis
    default: return c;
    }
}

std::string ansi_upper(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = ansi_upper(c);
    return r;
}

}  // namespace glim
