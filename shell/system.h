// The platform calls that the shell's helpers make, one virtual each, named after the call they
// stand for. The Windows build forwards each to the API of the same name; the headless build
// records every call and answers from memory, so the helpers' exact calls can be checked.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace glim {

// Thrown by the headless end_program so that a test sees control never comes back from it.
// The Windows end_program never throws (it may be called inside a window procedure): it leaves
// the process at once.
struct program_ended {};

// A window being placed by center_form: its outer frame in twips.
class form_geometry {
  public:
    virtual ~form_geometry() = default;
    virtual float left() const = 0;
    virtual float top() const = 0;
    virtual float width() const = 0;
    virtual float height() const = 0;
    // Moves the window, keeping its size.
    virtual void move(float left, float top) = 0;
};

// Registry return codes and value types the helpers look at.
inline constexpr std::int32_t reg_error_success = 0;
inline constexpr std::int32_t reg_error_file_not_found = 2;
inline constexpr std::int32_t reg_error_more_data = 234;
inline constexpr std::uint32_t reg_type_sz = 1;
inline constexpr std::uint32_t reg_type_binary = 3;
inline constexpr std::uint32_t reg_type_dword = 4;

// Locale items asked of get_locale_info.
inline constexpr std::uint32_t locale_sdecimal = 0x0E;
inline constexpr std::uint32_t locale_sthousand = 0x0F;

class system_api {
  public:
    virtual ~system_api() = default;

    // SystemParametersInfoA: pv_param points at a 32-bit integer the platform may write.
    virtual std::int32_t system_parameters_info(std::uint32_t action, std::uint32_t ui_param,
                                                std::int32_t* pv_param, std::uint32_t win_ini) = 0;
    // timeGetTime: milliseconds since the system started, wrapping at 2^32.
    virtual std::uint32_t time_get_time() = 0;
    // ShowCursor: returns the display count after the change.
    virtual std::int32_t show_cursor_call(bool show) = 0;

    // RegOpenKeyExA: root is a predefined key such as 0x80000001, as a signed 32-bit value.
    virtual std::int32_t reg_open_key(std::int32_t root, const std::string& sub_key,
                                      std::uint32_t options, std::uint32_t access,
                                      std::uintptr_t* handle) = 0;
    // RegQueryValueExA: on entry *size is the room in buffer; on success the data is copied to
    // the start of buffer (the rest is left as it was), *type and *size are set and 0 comes
    // back. Data that does not fit returns reg_error_more_data with *size set to the size
    // needed and the buffer's contents undefined; a missing value returns a non-zero code.
    virtual std::int32_t reg_query_value(std::uintptr_t handle, const std::string& name,
                                         std::uint32_t* type, std::vector<std::uint8_t>& buffer,
                                         std::uint32_t* size) = 0;
    virtual std::int32_t reg_close_key(std::uintptr_t handle) = 0;

    // FindWindowA with no class name: the handle of a top-level window with exactly this
    // caption, or 0.
    virtual std::uintptr_t find_window(const std::string& caption) = 0;
    // Processes the pending window events once; handlers run nested inside this call.
    virtual void process_events() = 0;
    // A message box with the given style bits; returns the button pressed.
    virtual int message_box(const std::string& text, const std::string& title,
                            std::uint32_t style) = 0;
    // Ends the program at once: every window still loaded goes without its unload handler.
    [[noreturn]] virtual void end_program() = 0;

    // GetLocaleInfoA for the user's default locale: the text of one item, "" when the call fails.
    virtual std::string get_locale_info(std::uint32_t lc_type) = 0;

    // The screen's size in twips and the twips per pixel across and down.
    virtual float screen_twips_w() = 0;
    virtual float screen_twips_h() = 0;
    virtual float twips_per_pixel_x() = 0;
    virtual float twips_per_pixel_y() = 0;
};

}  // namespace glim
