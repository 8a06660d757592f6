// Small wrappers of platform calls for the rest of the program: the saver-running flags, the
// millisecond clock, Windows' screen-saver password option, the cursor, dialog centring, a short
// wait and the test for a running saver.
#pragma once

#include "shell/numbers.h"
#include "shell/system.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace glim {

inline constexpr std::uint32_t spi_setscreensaveactive = 17;
inline constexpr std::uint32_t spi_setscreensaverrunning = 97;
inline constexpr std::int32_t hkey_classes_root = static_cast<std::int32_t>(0x80000000u);
inline constexpr std::int32_t hkey_current_user = static_cast<std::int32_t>(0x80000001u);
inline constexpr std::int32_t hkey_dyn_data = static_cast<std::int32_t>(0x80000006u);
inline constexpr std::uint32_t key_read = 131097;

// Tell the platform a saver runs (and switch its own saver activation off), and back.
void set_saver_running(system_api& sys);
void clear_saver_running(system_api& sys);

// The multimedia clock taken bit for bit as a signed value.
std::int32_t get_time(system_api& sys);

// True when Windows' "ScreenSaveUsePassword" holds a number other than 0.
bool check_use_password(system_api& sys);

// The text of a registry value (a REG_DWORD as at least three digits, cut to size - 1
// characters); "" on every failure, and no call at all for a root outside the seven predefined.
std::string get_registry_value(system_api& sys, std::int32_t root, const std::string& sub_key,
                               const std::string& value_name);

// The user's decimal and grouping marks; "." and "," where the locale gives none, and no
// grouping when it is the decimal mark too.
number_format user_number_format(system_api& sys);

// The longest file path, terminating zero included, that the platform's ANSI file, shell and
// sound calls take; some of them fail hard on a longer one instead of returning an error.
inline constexpr std::size_t max_path = 260;

// Whether a path may be handed to those calls; a longer one names no file they could reach.
inline bool path_fits(std::string_view path) {
    return path.size() < max_path;
}

// Call ShowCursor until the cursor is visible (count >= 0) / hidden (count < 0); at least once.
void show_cursor(system_api& sys);
void hide_cursor(system_api& sys);

// Move the form to the middle of the screen, then process pending events once.
void center_form(system_api& sys, form_geometry& form);

// Process pending events at least once, and again until ms milliseconds have passed.
void wait_ms(system_api& sys, std::int32_t ms);

// True when no top-level window has exactly this caption.
bool check_not_running(system_api& sys, const std::string& caption);

}  // namespace glim
