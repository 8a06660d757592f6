#include "dialogs/rules/normalize_keys.h"

#include "shell/ansi_text.h"

namespace glim {

namespace {
constexpr std::uint32_t dead_key_flag = 0x80000000u;

char unshifted_char(char ch, keyboard_layout& kb) {
    std::int16_t k = kb.vk_key_scan(static_cast<std::uint8_t>(ch));
    // No key of the layout types it: keep it, so the password is not cut short at a code 0.
    if (k == -1) return ansi_upper(ch);
    std::uint32_t vk = static_cast<std::uint16_t>(k) & 0xFFu;
    std::uint32_t m = kb.map_virtual_key(vk, mapvk_vk_to_char);
    // A dead key, or a key that gives no single-byte character without Shift: keep it too.
    if ((m & dead_key_flag) != 0 || m == 0 || m > 0xFF) return ansi_upper(ch);
    return static_cast<char>(m);
}
}  // namespace

std::string normalize_keys(const std::string& s, keyboard_layout& kb) {
    std::string out;
    out.reserve(s.size());
    for (char ch : s) out.push_back(unshifted_char(ch, kb));
    return out;
}

new_password_check check_new_password(const std::string& first, const std::string& second) {
    // The mismatch test comes first: two different entries never get the length message.
    if (first != second) return new_password_check::mismatch;
    if (first.size() > max_password_length) return new_password_check::too_long;
    return new_password_check::accept;
}

bool password_matches(const std::string& password, const std::string& typed, keyboard_layout& kb) {
    // The plain comparison takes a stored password that still holds shifted characters (set
    // under another layout, or by an older version); the normalised one takes the keys of a
    // password that the change-password dialog normalised.
    const std::string stored = ansi_upper(password);
    return stored == ansi_upper(typed) || stored == ansi_upper(normalize_keys(typed, kb));
}

}  // namespace glim
