// Loading and saving every setting the saver keeps in the per-user store: the installation
// folder (read only), the top-10 table, the sound options, the speed and the scrambled password.
#pragma once

#include "shell/settings_store.h"
#include "shell/state.h"
#include "shell/system.h"

#include <string>

namespace glim {

// The title and text of the box shown when the installation folder is not recorded.
inline constexpr const char* missing_folder_title = "Tarvo Screen Saver";
extern const std::string missing_folder_message;

// Reads every setting anew. When install_path is missing (or is the text "empty") it shows the
// missing-folder message and ends the program through sys.end_program().
void load_settings(config_settings& config, settings_store& store, system_api& sys);

// Writes every setting but install_path, recomputing misc from password on the way.
void save_settings(config_settings& config, settings_store& store);

// The change-password dialog's store step: password becomes new_password, misc its scrambled
// form, and the one key "misc" is written.
void store_new_password(config_settings& config, settings_store& store,
                        const std::string& new_password);

}  // namespace glim
