// A system_api for tests: it records every call with its arguments in order and answers from
// memory: a settable clock, a ShowCursor display count, a registry of typed values, a table of
// window captions and the message boxes shown. end_program records itself and throws
// program_ended, so a test sees that control never comes back.
#pragma once

#include "shell/system.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace glim {

// A window for center_form: its frame in twips and every move made.
class fake_form : public form_geometry {
  public:
    fake_form(float left, float top, float width, float height)
        : left_(left), top_(top), width_(width), height_(height) {}
    float left() const override { return left_; }
    float top() const override { return top_; }
    float width() const override { return width_; }
    float height() const override { return height_; }
    void move(float left, float top) override {
        left_ = left;
        top_ = top;
        ++moves;
    }
    int moves = 0;

  private:
    float left_, top_, width_, height_;
};

class fake_system : public system_api {
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
    float screen_twips_w() override { return screen_w; }
    float screen_twips_h() override { return screen_h; }
    float twips_per_pixel_x() override;
    float twips_per_pixel_y() override;

    // Every call in order, as "name(arg,arg,...)".
    std::vector<std::string> calls;
    std::size_t count(const std::string& name) const;  // calls whose name is name

    // Clock: the value timeGetTime returns, advanced by clock_step after each read.
    std::uint32_t clock = 0;
    std::uint32_t clock_step = 0;

    // Runs inside every process_events, as window handlers would.
    std::function<void()> on_process_events;

    // ShowCursor's display count.
    std::int32_t cursor_count = 0;

    // The platform's saver flags; Windows writes the previous running state into pvParam.
    std::int32_t saver_running = 0;
    std::int32_t saver_active = 1;
    bool spi_writes_previous = true;

    // Registry: values by (root, sub key) and name.
    struct registry_value {
        std::uint32_t type;
        std::vector<std::uint8_t> data;
    };
    void add_registry_key(std::int32_t root, const std::string& sub_key);
    void set_registry_value(std::int32_t root, const std::string& sub_key, const std::string& name,
                            std::uint32_t type, std::vector<std::uint8_t> data);
    void set_registry_string(std::int32_t root, const std::string& sub_key, const std::string& name,
                             const std::string& text);  // adds the zero
    void set_registry_dword(std::int32_t root, const std::string& sub_key, const std::string& name,
                            std::uint32_t value);
    std::size_t open_keys() const { return open_.size(); }

    // Top-level windows by caption.
    std::map<std::string, std::uintptr_t> windows;

    struct shown_box {
        std::string text, title;
        std::uint32_t style;
    };
    std::vector<shown_box> message_boxes;
    bool ended = false;

    // The user's locale items by number: an English locale unless a test says otherwise.
    std::map<std::uint32_t, std::string> locale_info = {{locale_sdecimal, "."},
                                                        {locale_sthousand, ","}};

    float screen_w = 15360, screen_h = 11520;  // 1024 x 768 pixels at 15 twips
    float twips_x = 15, twips_y = 15;

  private:
    using key_id = std::pair<std::int32_t, std::string>;
    std::map<key_id, std::map<std::string, registry_value>> registry_;
    std::map<std::uintptr_t, key_id> open_;
    std::uintptr_t next_handle_ = 0x100;
};

}  // namespace glim
