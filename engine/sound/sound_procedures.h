// The saver window's sound: the effect channels on one sound control, the background music on a
// second, and the handshake that starts one tune after another. The game reaches it through
// sound_port; the music control's end-of-tune event lands in FXSnd2_PlayEnded.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/sound/fxsnd.h"
#include "engine/platform.h"
#include "engine/sound/sound_port.h"
#include "shell/random.h"
#include "shell/state.h"

namespace glim {

class sound_procedures : public sound_port {
  public:
    // Registers FXSnd2_PlayEnded as the music control's end-of-tune handler. `host` lets pending
    // window events run in the waits and gives the clock that reseeds the tune draw. The
    // controls, the settings and the host must outlive this object.
    sound_procedures(config_settings& settings, random_source& random, fxsnd_control& effects,
                     fxsnd_control& music, event_clock& host);
    ~sound_procedures() override;
    sound_procedures(const sound_procedures&) = delete;
    sound_procedures& operator=(const sound_procedures&) = delete;

    void do_soundfx(std::int32_t channel, std::int32_t rate, std::int32_t extra) override;
    void init_sound() override;
    void handle_music() override;
    void sound_off() override;
    std::int16_t effects_state() override;
    void set_music_busy(std::int32_t v) override { music_busy = v; }

    void setup_music();
    void FXSnd2_PlayEnded() { music_busy = 0; }

    // The tune list: slots 1 to tune_count in playing order (slot 0 and 11 to 20 unused).
    std::array<std::string, 21> tune_files;
    std::int32_t tune_count = 0;
    // The slot started last; right after setup_music the slot before the first to start.
    std::int32_t tune_index = 0;
    // 1 from the start of a tune until the music control reports its end.
    std::int32_t music_busy = 0;

  private:
    void load_channel(std::int32_t channel, const char* file);

    config_settings& settings_;
    random_source& random_;
    fxsnd_control& FXSnd1;  // effects
    fxsnd_control& FXSnd2;  // music
    event_clock& host_;
};

}  // namespace glim
