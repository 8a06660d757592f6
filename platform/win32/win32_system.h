// The Windows side of the shell's interfaces: the platform calls, the registry settings store
// and the keyboard layout, each forwarding to the API call it is named after.
#pragma once

#include "shell/keyboard_layout.h"
#include "platform/win32/forms.h"
#include "shell/settings_store.h"
#include "shell/system.h"

namespace glim::win32 {

class win32_system : public system_api {
  public:
    std::int32_t system_parameters_info(std::uint32_t action, std::uint32_t ui_param,
                                        std::int32_t* pv_param, std::uint32_t win_ini) override;
    std::uint32_t time_get_time() override;
    std::int32_t show_cursor_call(bool show) override;
    std::int32_t reg_open_key(std::int32_t root, const std::string& sub_key, std::uint32_t options,
                              std::uint32_t access, std::uintptr_t* handle) override;
    std::int32_t reg_query_value(std::uintptr_t handle, const std::string& name,
                                 std::uint32_t* type, std::vector<std::uint8_t>& buffer,
                                 std::uint32_t* size) override;
    std::int32_t reg_close_key(std::uintptr_t handle) override;
    std::uintptr_t find_window(const std::string& caption) override;
    void process_events() override;
    int message_box(const std::string& text, const std::string& title,
                    std::uint32_t style) override;
    [[noreturn]] void end_program() override;
    std::string get_locale_info(std::uint32_t lc_type) override;
    float screen_twips_w() override;
    float screen_twips_h() override;
    float twips_per_pixel_x() override;
    float twips_per_pixel_y() override;
};

// Settings live where programs of this kind keep them, so stored settings carry over:
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>, as strings.
class registry_store : public settings_store {
  public:
    std::string get_setting(const std::string& app, const std::string& section,
                            const std::string& key, const std::string& def) override;
    void save_setting(const std::string& app, const std::string& section, const std::string& key,
                      const std::string& value) override;
};

class win32_keyboard : public keyboard_layout {
  public:
    std::int16_t vk_key_scan(std::uint8_t ch) override;
    std::uint32_t map_virtual_key(std::uint32_t code, std::uint32_t map_type) override;
};

// A form as center_form sees it: its outer frame in twips.
class form_placement : public form_geometry {
  public:
    explicit form_placement(form& f) : f_(f) {}
    float left() const override { return static_cast<float>(f_.left_twips()); }
    float top() const override { return static_cast<float>(f_.top_twips()); }
    float width() const override { return static_cast<float>(f_.width_twips()); }
    float height() const override { return static_cast<float>(f_.height_twips()); }
    void move(float left, float top) override { f_.move_twips(left, top); }

  private:
    form& f_;
};

}  // namespace glim::win32
