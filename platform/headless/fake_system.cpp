#include "platform/headless/fake_system.h"

#include <algorithm>

namespace glim {

namespace {
std::string join(const std::string& name, std::initializer_list<std::string> args) {
    std::string s = name + "(";
    bool first = true;
    for (const auto& a : args) {
        if (!first) s += ",";
        s += a;
        first = false;
    }
    return s + ")";
}
std::string num(std::int64_t v) {
    return std::to_string(v);
}
}  // namespace

std::size_t fake_system::count(const std::string& name) const {
    std::size_t n = 0;
    for (const auto& c : calls)
        if (c.compare(0, name.size() + 1, name + "(") == 0) ++n;
    return n;
}

std::int32_t fake_system::system_parameters_info(std::uint32_t action, std::uint32_t ui_param,
                                                 std::int32_t* pv_param, std::uint32_t win_ini) {
    calls.push_back(join("system_parameters_info", {num(action), num(ui_param),
                                                    num(pv_param ? *pv_param : 0), num(win_ini)}));
    if (action == 97) {
        if (spi_writes_previous && pv_param) *pv_param = saver_running;
        saver_running = ui_param != 0 ? 1 : 0;
    } else if (action == 17) {
        saver_active = ui_param != 0 ? 1 : 0;
    }
    return 1;
}

std::uint32_t fake_system::time_get_time() {
    calls.push_back("time_get_time()");
    std::uint32_t now = clock;
    clock += clock_step;
    return now;
}

std::int32_t fake_system::show_cursor_call(bool show) {
    calls.push_back(join("show_cursor_call", {show ? "1" : "0"}));
    cursor_count += show ? 1 : -1;
    return cursor_count;
}

std::int32_t fake_system::reg_open_key(std::int32_t root, const std::string& sub_key,
                                       std::uint32_t options, std::uint32_t access,
                                       std::uintptr_t* handle) {
    calls.push_back(join("reg_open_key", {num(root), sub_key, num(options), num(access)}));
    if (!registry_.count({root, sub_key})) return reg_error_file_not_found;
    *handle = next_handle_++;
    open_[*handle] = {root, sub_key};
    return reg_error_success;
}

std::int32_t fake_system::reg_query_value(std::uintptr_t handle, const std::string& name,
                                          std::uint32_t* type, std::vector<std::uint8_t>& buffer,
                                          std::uint32_t* size) {
    calls.push_back(join("reg_query_value", {num(handle), name, num(*size)}));
    auto key = open_.find(handle);
    if (key == open_.end()) return 6;  // ERROR_INVALID_HANDLE
    const auto& values = registry_[key->second];
    auto it = values.find(name);
    if (it == values.end()) return reg_error_file_not_found;
    const registry_value& v = it->second;
    std::uint32_t room = std::min<std::uint32_t>(*size, static_cast<std::uint32_t>(buffer.size()));
    *type = v.type;
    *size = static_cast<std::uint32_t>(v.data.size());
    if (v.data.size() > room) return reg_error_more_data;
    std::copy(v.data.begin(), v.data.end(), buffer.begin());
    return reg_error_success;
}

std::int32_t fake_system::reg_close_key(std::uintptr_t handle) {
    calls.push_back(join("reg_close_key", {num(handle)}));
    return open_.erase(handle) ? reg_error_success : 6;
}

std::uintptr_t fake_system::find_window(const std::string& caption) {
    calls.push_back(join("find_window", {caption}));
    auto it = windows.find(caption);
    return it == windows.end() ? 0 : it->second;
}

void fake_system::process_events() {
    calls.push_back("process_events()");
    if (on_process_events) on_process_events();
}

int fake_system::message_box(const std::string& text, const std::string& title,
                             std::uint32_t style) {
    calls.push_back(join("message_box", {title, num(style)}));
    message_boxes.push_back({text, title, style});
    return 1;  // IDOK
}

void fake_system::end_program() {
    calls.push_back("end_program()");
    ended = true;
    throw program_ended{};
}

std::string fake_system::get_locale_info(std::uint32_t lc_type) {
    calls.push_back(join("get_locale_info", {num(lc_type)}));
    auto it = locale_info.find(lc_type);
    return it == locale_info.end() ? std::string{} : it->second;
}

float fake_system::twips_per_pixel_x() {
    calls.push_back("twips_per_pixel_x()");
    return twips_x;
}

float fake_system::twips_per_pixel_y() {
    calls.push_back("twips_per_pixel_y()");
    return twips_y;
}

void fake_system::add_registry_key(std::int32_t root, const std::string& sub_key) {
    registry_[{root, sub_key}];
}

void fake_system::set_registry_value(std::int32_t root, const std::string& sub_key,
                                     const std::string& name, std::uint32_t type,
                                     std::vector<std::uint8_t> data) {
    registry_[{root, sub_key}][name] = {type, std::move(data)};
}

void fake_system::set_registry_string(std::int32_t root, const std::string& sub_key,
                                      const std::string& name, const std::string& text) {
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    set_registry_value(root, sub_key, name, reg_type_sz, std::move(data));
}

void fake_system::set_registry_dword(std::int32_t root, const std::string& sub_key,
                                     const std::string& name, std::uint32_t value) {
    set_registry_value(root, sub_key, name, reg_type_dword,
                       {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                        static_cast<std::uint8_t>(value >> 16),
                        static_cast<std::uint8_t>(value >> 24)});
}

}  // namespace glim
