// Resource numbers of the pictures, icons and cursor that the program carries.
#pragma once

#if __has_include("resources/resource_ids.h")
#include "resources/resource_ids.h"
#endif

namespace glim::win32 {
#ifdef IDC_HAND_CURSOR
inline constexpr int resource_hand_cursor = IDC_HAND_CURSOR;
#else
inline constexpr int resource_hand_cursor = 300;
#endif
}  // namespace glim::win32

namespace glim::win32 {
#ifdef IDI_PADLOCK
inline constexpr int resource_padlock_icon = IDI_PADLOCK;
#else
inline constexpr int resource_padlock_icon = 0;
#endif
}  // namespace glim::win32
