#include "platform/win32/ports.h"

#include <windows.h>
#include <mmsystem.h>

#include "platform/win32/forms.h"
#include "shell/settings.h"

namespace glim::win32 {

std::int32_t win32_clock::get_time() {
    return static_cast<std::int32_t>(timeGetTime());
}

void win32_clock::process_events() {
    glim::win32::process_events();
}

bool win32_cursor::get_cursor_pos(point& where) {
    POINT p;
    if (!GetCursorPos(&p)) return false;
    where = {p.x, p.y};
    return true;
}

void win32_settings::save_settings(config_settings& cfg) {
    glim::save_settings(cfg, store_);
}

}  // namespace glim::win32
