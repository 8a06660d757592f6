// What the game asks of its sound: the effect channels, the music handshake and the effects
// control's state. The saver implements it with its two sound controls; the headless build
// records the calls.
#pragma once

#include <cstdint>

namespace glim {

class sound_port {
  public:
    virtual ~sound_port() = default;
    // Plays one preloaded effect channel (1 to 4); a rate or extra of 0 leaves it unset.
    virtual void do_soundfx(std::int32_t channel, std::int32_t rate, std::int32_t extra) = 0;
    // Stops all sound and sets music and effects up from the start.
    virtual void init_sound() = 0;
    // Starts the next tune when none is playing; once per frame.
    virtual void handle_music() = 0;
    // Stops music and effects.
    virtual void sound_off() = 0;
    // The effects control's state (its property 32 as a 16-bit integer); 2 asks for a new set-up.
    virtual std::int16_t effects_state() = 0;
    // music_busy, the handshake between handle_music and the end-of-tune event.
    virtual void set_music_busy(std::int32_t v) = 0;
};

}  // namespace glim
