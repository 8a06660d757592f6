// Resource numbers of the pictures, icons and cursor that the program carries.
#pragma once

#include "resources/resource_ids.h"

namespace glim::win32 {
inline constexpr int resource_monitor_icon = IDI_MONITOR;
inline constexpr int resource_config_icon = IDI_CONFIG;
inline constexpr int resource_padlock_icon = IDI_PADLOCK;
inline constexpr int resource_backdrop = IDB_BACKDROP;
inline constexpr int resource_sprite_sheet = IDB_SPRITE_SHEET;
inline constexpr int resource_preview = IDB_PREVIEW;
inline constexpr int resource_waving_santa = IDB_WAVING_SANTA;
inline constexpr int resource_hand_cursor = IDC_HAND_CURSOR;
}  // namespace glim::win32
