// The two keyboard calls that turning typed text into key characters needs (VkKeyScanA,
// MapVirtualKeyA); the Windows program and the tests each give one.
#pragma once

#include <cstdint>

namespace glim {

class keyboard_layout {
  public:
    virtual ~keyboard_layout() = default;
    // Low byte the virtual-key code, high byte the shift state; -1 when no key types ch.
    virtual std::int16_t vk_key_scan(std::uint8_t ch) = 0;
    virtual std::uint32_t map_virtual_key(std::uint32_t code, std::uint32_t map_type) = 0;
};

inline constexpr std::uint32_t mapvk_vk_to_char = 2;

}  // namespace glim
