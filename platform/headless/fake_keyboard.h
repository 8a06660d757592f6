// A keyboard_layout for tests: the US layout's letters, digits, space and punctuation, each
// with its shifted character, plus dead keys a test adds. Records every call.
#pragma once

#include "shell/keyboard_layout.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace glim {

class fake_keyboard : public keyboard_layout {
  public:
    fake_keyboard();
    std::int16_t vk_key_scan(std::uint8_t ch) override;
    std::uint32_t map_virtual_key(std::uint32_t code, std::uint32_t map_type) override;

    // Makes ch typed by virtual key vk, a dead key: map_virtual_key answers with the top bit set.
    void add_dead_key(std::uint8_t ch, std::uint8_t vk);

    std::vector<std::string> calls;

  private:
    void add_key(std::uint8_t vk, char plain, char shifted);
    std::map<std::uint8_t, std::int16_t> scan_;         // character -> shift state << 8 | vk
    std::map<std::uint32_t, std::uint32_t> unshifted_;  // vk -> character without Shift
};

}  // namespace glim
