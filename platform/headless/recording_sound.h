// A sound_port that plays nothing and records every call in order, for the engine's tests and the
// headless simulator. The effects state it reports can be fixed or scripted frame by frame.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "engine/sound/sound_port.h"

namespace glim {

struct sound_call {
    enum class kind {
        do_soundfx,
        init_sound,
        handle_music,
        sound_off,
        effects_state,
        set_music_busy
    };
    kind what;
    // do_soundfx: channel, rate, extra; set_music_busy: the value in a; effects_state: the
    // value reported in a.
    std::int32_t a = 0, b = 0, c = 0;
    bool operator==(const sound_call&) const = default;
};

class recording_sound : public sound_port {
  public:
    void do_soundfx(std::int32_t channel, std::int32_t rate, std::int32_t extra) override;
    void init_sound() override;
    void handle_music() override;
    void sound_off() override;
    std::int16_t effects_state() override;
    void set_music_busy(std::int32_t v) override;

    // Every call so far, oldest first.
    std::vector<sound_call> calls;
    // What effects_state reports: the next scripted value while there is one, else `state`.
    std::int16_t state = 0;
    std::deque<std::int16_t> scripted_states;
    // The last value given to set_music_busy.
    std::int32_t music_busy = 0;

    // The calls of one kind, in order, and how many there were.
    std::vector<sound_call> of(sound_call::kind k) const;
    std::size_t count(sound_call::kind k) const;
    // The do_soundfx calls only, the usual question of a game-step test.
    std::vector<sound_call> effects() const { return of(sound_call::kind::do_soundfx); }
    void clear() { calls.clear(); }
};

}  // namespace glim
