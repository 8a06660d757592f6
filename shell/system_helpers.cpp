#include "shell/system_helpers.h"

#include "shell/numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace glim {

namespace {
constexpr std::uint32_t spi_true = 0xFFFFFFFFu;  // -1, as the flag calls pass true
constexpr std::size_t registry_buffer_size = 255;
}  // namespace

void set_saver_running(system_api& sys) {
    std::int32_t previous = 0;
    sys.system_parameters_info(spi_setscreensaverrunning, spi_true, &previous, 0);
    // The update flags are the running state the first call reported.
    sys.system_parameters_info(spi_setscreensaveactive, 0, &previous,
                               static_cast<std::uint32_t>(previous));
}

void clear_saver_running(system_api& sys) {
    std::int32_t previous = 0;
    sys.system_parameters_info(spi_setscreensaverrunning, 0, &previous,
                               static_cast<std::uint32_t>(previous));
    // After a run the previous state is 1, so the activation is also written to the profile.
    sys.system_parameters_info(spi_setscreensaveactive, spi_true, &previous,
                               static_cast<std::uint32_t>(previous));
}

std::int32_t get_time(system_api& sys) {
    return static_cast<std::int32_t>(sys.time_get_time());
}

bool check_use_password(system_api& sys) {
    std::string text = get_registry_value(sys, hkey_current_user, "Control Panel\\Desktop",
                                          "ScreenSaveUsePassword");
    return read_number(text) != 0;
}

number_format user_number_format(system_api& sys) {
    number_format format{sys.get_locale_info(locale_sdecimal),
                         sys.get_locale_info(locale_sthousand)};
    if (format.decimal.empty()) format.decimal.push_back('.');
    if (format.grouping.empty()) format.grouping.push_back(',');
    if (format.grouping == format.decimal) format.grouping.clear();
    return format;
}

std::string get_registry_value(system_api& sys, std::int32_t root, const std::string& sub_key,
                               const std::string& value_name) {
    if (root < hkey_classes_root || root > hkey_dyn_data) return {};
    std::uintptr_t key = 0;
    if (sys.reg_open_key(root, sub_key, 0, key_read, &key) != reg_error_success) return {};

    std::uint32_t size = registry_buffer_size;
    std::uint32_t type = 0;
    std::vector<std::uint8_t> buffer(registry_buffer_size, ' ');
    std::string result;
    if (sys.reg_query_value(key, value_name, &type, buffer, &size) == reg_error_success) {
        std::string text(buffer.begin(), buffer.end());
        if (type == reg_type_dword) {
            double v = buffer[0] + 256.0 * buffer[1] + 65536.0 * buffer[2] + 16777216.0 * buffer[3];
            float stored = static_cast<float>(v);  // above 2^24 not every value is exact
            char digits[32];
            std::snprintf(digits, sizeof digits, "%03.0f", static_cast<double>(stored));
            text = digits;
        }
        // size - 1 characters: a string without its terminating zero. A reported size of 0
        // leaves nothing to take.
        if (size > 0) result = text.substr(0, std::min<std::size_t>(size - 1, text.size()));
    }
    sys.reg_close_key(key);
    return result;
}

void show_cursor(system_api& sys) {
    while (sys.show_cursor_call(true) < 0) {
    }
}

void hide_cursor(system_api& sys) {
    while (sys.show_cursor_call(false) >= 0) {
    }
}

void center_form(system_api& sys, form_geometry& form) {
    double left = sys.screen_twips_w() / 2.0 - form.width() / 2.0;
    double top = sys.screen_twips_h() / 2.0 - form.height() / 2.0;
    form.move(static_cast<float>(left), static_cast<float>(top));
    sys.process_events();
}

void wait_ms(system_api& sys, std::int32_t ms) {
    // Compared as unsigned elapsed time, so a clock that wraps during the wait (or a deadline
    // beyond the signed range) still ends the wait after ms milliseconds.
    auto start = static_cast<std::uint32_t>(get_time(sys));
    do {
        sys.process_events();
    } while (ms > 0 &&
             static_cast<std::uint32_t>(get_time(sys)) - start < static_cast<std::uint32_t>(ms));
}

bool check_not_running(system_api& sys, const std::string& caption) {
    return sys.find_window(caption) == 0;
}

}  // namespace glim
