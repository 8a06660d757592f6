#include "shell/settings.h"

#include "shell/numbers.h"
#include "shell/password.h"
#include "shell/system_helpers.h"

#include <array>
#include <cstdint>

namespace glim {

const std::string missing_folder_message =
    "Program Error!\r"
    "<Installation Path Not Found!>\r"
    "Please remove this program and then install it again.\r"
    "\r"
    "If the problem continues please contact Tarvo Software at:\r"
    "support@tarvo-software.example";

namespace {
constexpr std::array<const char*, 10> default_names = {"Santa",   "Dasher", "Dancer", "Prancer",
                                                       "Vixen",   "Comet",  "Cupid",  "Donder",
                                                       "Blitzen", "Frosty"};
constexpr std::array<std::int32_t, 10> default_scores = {100, 90, 80, 70, 60, 50, 40, 30, 20, 10};

// A stored whole number: the number the text begins with, read in the user's number format and
// rounded halves to even. The program only ever writes plain decimal integers here; for a text
// that holds no number, or one beyond the 32-bit range, the key's default keeps the program
// usable.
std::int32_t stored_integer(const std::string& text, std::int32_t def,
                            const number_format& format) {
    auto number = parse_number(text, format);
    if (!number) return def;
    return to_int32_checked(*number).value_or(def);
}

std::string read_key(settings_store& store, const std::string& key, const std::string& def) {
    return store.get_setting(settings_application, settings_section, key, def);
}

void write_key(settings_store& store, const std::string& key, const std::string& value) {
    store.save_setting(settings_application, settings_section, key, value);
}
}  // namespace

void load_settings(config_settings& config, settings_store& store, system_api& sys) {
    std::string path = read_key(store, "install_path", "empty");
    if (path == "empty") {
        sys.message_box(missing_folder_message, missing_folder_title, 0);
        sys.end_program();
    }
    if (path.empty() || path.back() != '\\') path += '\\';
    config.app_path = path;

    for (std::size_t k = 1; k <= 10; ++k)
        config.hiscore_name[k] = read_key(store, "name" + std::to_string(k), default_names[k - 1]);
    const number_format format = user_number_format(sys);
    for (std::size_t k = 1; k <= 10; ++k) {
        std::int32_t def = default_scores[k - 1];
        config.hiscore_value[k] = stored_integer(
            read_key(store, "sc" + std::to_string(k), std::to_string(def)), def, format);
    }
    config.music_on = option_value::from_text(read_key(store, "music_on", "1"));
    config.soundfx_on = option_value::from_text(read_key(store, "soundfx_on", "1"));
    config.speed = stored_integer(read_key(store, "speed", "2"), 2, format);
    config.misc = read_key(store, "misc", "");
    unscramble_password(config);
}

void save_settings(config_settings& config, settings_store& store) {
    for (std::size_t k = 1; k <= 10; ++k)
        write_key(store, "name" + std::to_string(k), config.hiscore_name[k]);
    for (std::size_t k = 1; k <= 10; ++k)
        write_key(store, "sc" + std::to_string(k), std::to_string(config.hiscore_value[k]));
    write_key(store, "music_on", config.music_on.to_text());
    write_key(store, "soundfx_on", config.soundfx_on.to_text());
    write_key(store, "speed", std::to_string(config.speed));
    scramble_password(config);
    write_key(store, "misc", config.misc);
}

void store_new_password(config_settings& config, settings_store& store,
                        const std::string& new_password) {
    config.password = new_password;
    scramble_password(config);
    write_key(store, "misc", config.misc);
}

}  // namespace glim
