// The game's platform pieces on Windows: the multimedia clock and event processing, the cursor,
// saving the settings to the registry, and a relay to the sound procedures (made after the
// program they serve).
#pragma once

#include "engine/platform.h"
#include "engine/sound/sound_port.h"
#include "shell/settings_store.h"

namespace glim::win32 {

class win32_clock : public event_clock {
  public:
    std::int32_t get_time() override;
    void process_events() override;
};

class win32_cursor : public cursor_port {
  public:
    bool get_cursor_pos(point& where) override;
};

class win32_settings : public settings_port {
  public:
    explicit win32_settings(settings_store& store) : store_(store) {}
    void save_settings(config_settings& cfg) override;

  private:
    settings_store& store_;
};

class sound_relay : public sound_port {
  public:
    void attach(sound_port* target) { target_ = target; }
    void do_soundfx(std::int32_t channel, std::int32_t rate, std::int32_t extra) override {
        if (target_) target_->do_soundfx(channel, rate, extra);
    }
    void init_sound() override {
        if (target_) target_->init_sound();
    }
    void handle_music() override {
        if (target_) target_->handle_music();
    }
    void sound_off() override {
        if (target_) target_->sound_off();
    }
    std::int16_t effects_state() override { return target_ ? target_->effects_state() : 0; }
    void set_music_busy(std::int32_t v) override {
        if (target_) target_->set_music_busy(v);
    }

  private:
    sound_port* target_ = nullptr;
};

}  // namespace glim::win32
