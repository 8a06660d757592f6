#include "platform/headless/fake_keyboard.h"

namespace glim {

namespace {
constexpr std::int16_t shift_state = 0x100;
}

void fake_keyboard::add_key(std::uint8_t vk, char plain, char shifted) {
    scan_[static_cast<std::uint8_t>(plain)] = vk;
    if (shifted)
        scan_[static_cast<std::uint8_t>(shifted)] = static_cast<std::int16_t>(shift_state | vk);
    unshifted_[vk] = static_cast<std::uint8_t>(plain);
}

fake_keyboard::fake_keyboard() {
    for (char c = 'A'; c <= 'Z'; ++c) {
        auto vk = static_cast<std::uint8_t>(c);
        scan_[static_cast<std::uint8_t>(c - 'A' + 'a')] = vk;
        scan_[vk] = static_cast<std::int16_t>(shift_state | vk);
        unshifted_[vk] = vk;  // the letter keys map to their capitals
    }
    const char* shifted_digits = ")!@#$%^&*(";
    for (int d = 0; d <= 9; ++d)
        add_key(static_cast<std::uint8_t>('0' + d), static_cast<char>('0' + d), shifted_digits[d]);
    add_key(0x20, ' ', 0);
    add_key(0xBA, ';', ':');
    add_key(0xBB, '=', '+');
    add_key(0xBC, ',', '<');
    add_key(0xBD, '-', '_');
    add_key(0xBE, '.', '>');
    add_key(0xBF, '/', '?');
    add_key(0xC0, '`', '~');
    add_key(0xDB, '[', '{');
    add_key(0xDC, '\\', '|');
    add_key(0xDD, ']', '}');
    add_key(0xDE, '\'', '"');
}

void fake_keyboard::add_dead_key(std::uint8_t ch, std::uint8_t vk) {
    scan_[ch] = vk;
    unshifted_[vk] = 0x80000000u | ch;
}

std::int16_t fake_keyboard::vk_key_scan(std::uint8_t ch) {
    calls.push_back("vk_key_scan(" + std::to_string(ch) + ")");
    auto it = scan_.find(ch);
    return it == scan_.end() ? std::int16_t{-1} : it->second;
}

std::uint32_t fake_keyboard::map_virtual_key(std::uint32_t code, std::uint32_t map_type) {
    calls.push_back("map_virtual_key(" + std::to_string(code) + "," + std::to_string(map_type) +
                    ")");
    if (map_type != mapvk_vk_to_char) return 0;
    auto it = unshifted_.find(code);
    return it == unshifted_.end() ? 0 : it->second;
}

}  // namespace glim
