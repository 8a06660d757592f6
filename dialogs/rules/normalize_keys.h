// The rules of the two password dialogs that need no window: turning a typed text into the
// unshifted characters of its keys, the change-password OK checks, and the prompt's comparison.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "shell/keyboard_layout.h"

namespace glim {

// Each character replaced by the character its key types without Shift (letters upper case).
// A character no key types, or one on a dead key, is kept as it is, upper-cased. Always one
// character out per character in.
std::string normalize_keys(const std::string& s, keyboard_layout& kb);

// Outcome of the change-password dialog's OK, given both entries already normalised.
enum class new_password_check { accept, mismatch, too_long };
inline constexpr std::size_t max_password_length = 30;
new_password_check check_new_password(const std::string& first, const std::string& second);

// The password prompt's test of a typed text against the plain password, both upper-cased: the
// typed text matches as it was typed or as the unshifted characters of its keys.
bool password_matches(const std::string& password, const std::string& typed, keyboard_layout& kb);

// The dialogs' fixed message texts.
inline constexpr const char* mismatch_text =
    "The new and confirmed passwords do not match. Please type them again.";
inline constexpr const char* mismatch_title = "Microsoft Windows";
inline constexpr std::uint32_t mismatch_style = 16;
inline constexpr const char* too_long_text = "New password too long\nMaximum length 30 chars";
inline constexpr const char* too_long_title = "Change Password";
inline constexpr std::uint32_t too_long_style = 48;
inline constexpr const char* wrong_password_text =
    "The password that you typed is not correct. Try typing it again.";
inline constexpr const char* wrong_password_title = "Passwords";
inline constexpr std::uint32_t wrong_password_style = 48;

}  // namespace glim
