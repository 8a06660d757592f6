#include "platform/win32/win32_system.h"

#include <mmsystem.h>

#include <cstring>

namespace glim::win32 {

std::int32_t win32_system::system_parameters_info(std::uint32_t action, std::uint32_t ui_param,
                                                  std::int32_t* pv_param, std::uint32_t win_ini) {
    return SystemParametersInfoA(action, ui_param, pv_param, win_ini);
}

std::uint32_t win32_system::time_get_time() {
    return timeGetTime();
}

std::int32_t win32_system::show_cursor_call(bool show) {
    return ShowCursor(show ? TRUE : FALSE);
}

std::int32_t win32_system::reg_open_key(std::int32_t root, const std::string& sub_key,
                                        std::uint32_t options, std::uint32_t access,
                                        std::uintptr_t* handle) {
    HKEY key = nullptr;
    auto root_key =
        reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<std::uint32_t>(root)));
    LONG r = RegOpenKeyExA(root_key, sub_key.c_str(), options, access, &key);
    *handle = reinterpret_cast<std::uintptr_t>(key);
    return r;
}

std::int32_t win32_system::reg_query_value(std::uintptr_t handle, const std::string& name,
                                           std::uint32_t* type, std::vector<std::uint8_t>& buffer,
                                           std::uint32_t* size) {
    DWORD t = 0, s = *size;
    if (buffer.size() < s) buffer.resize(s);
    LONG r = RegQueryValueExA(reinterpret_cast<HKEY>(handle), name.c_str(), nullptr, &t,
                              buffer.data(), &s);
    *type = t;
    *size = s;
    return r;
}

std::int32_t win32_system::reg_close_key(std::uintptr_t handle) {
    return RegCloseKey(reinterpret_cast<HKEY>(handle));
}

std::uintptr_t win32_system::find_window(const std::string& caption) {
    return reinterpret_cast<std::uintptr_t>(FindWindowA(nullptr, caption.c_str()));
}

void win32_system::process_events() {
    glim::win32::process_events();
}

int win32_system::message_box(const std::string& text, const std::string& title,
                              std::uint32_t style) {
    return glim::win32::message_box(text, title, style, GetActiveWindow());
}

void win32_system::end_program() {
    glim::win32::end_program();
}

std::string win32_system::get_locale_info(std::uint32_t lc_type) {
    // Every item this program asks for fits the largest the platform defines (80 with its zero).
    char text[80] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, lc_type, text, sizeof text) == 0) return {};
    return text;
}

float win32_system::screen_twips_w() {
    return static_cast<float>(GetSystemMetrics(SM_CXSCREEN) * glim::win32::twips_per_pixel_x());
}
float win32_system::screen_twips_h() {
    return static_cast<float>(GetSystemMetrics(SM_CYSCREEN) * glim::win32::twips_per_pixel_y());
}
float win32_system::twips_per_pixel_x() {
    return static_cast<float>(glim::win32::twips_per_pixel_x());
}
float win32_system::twips_per_pixel_y() {
    return static_cast<float>(glim::win32::twips_per_pixel_y());
}

namespace {
std::string settings_path(const std::string& app, const std::string& section) {
    return "Software\\VB and VBA Program Settings\\" + app + "\\" + section;
}
}  // namespace

std::string registry_store::get_setting(const std::string& app, const std::string& section,
                                        const std::string& key, const std::string& def) {
    HKEY k = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, settings_path(app, section).c_str(), 0, KEY_READ, &k) !=
        ERROR_SUCCESS)
        return def;
    std::string result = def;
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(k, key.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ)) {
        std::string buf(size + 1, '\0');
        DWORD s = size;
        if (RegQueryValueExA(k, key.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buf.data()),
                             &s) == ERROR_SUCCESS) {
            buf.resize(std::strlen(buf.c_str()));
            result = buf;
        }
    }
    RegCloseKey(k);
    return result;
}

void registry_store::save_setting(const std::string& app, const std::string& section,
                                  const std::string& key, const std::string& value) {
    HKEY k = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, settings_path(app, section).c_str(), 0, nullptr, 0,
                        KEY_WRITE, nullptr, &k, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(k, key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(k);
}

std::int16_t win32_keyboard::vk_key_scan(std::uint8_t ch) {
    return static_cast<std::int16_t>(VkKeyScanA(static_cast<CHAR>(ch)));
}

std::uint32_t win32_keyboard::map_virtual_key(std::uint32_t code, std::uint32_t map_type) {
    return MapVirtualKeyA(code, map_type);
}

}  // namespace glim::win32
