// The sound control that the saver window and the configuration dialog carry: one class for the
// effects and for the music, driven only by numbered property puts and gets plus one event at
// the end of a tune. The numbers are the control's interface; every caller uses the names below.
//
// What the numbers mean in our control:
//
//   3   mixing mode (put): 1 one sound at a time (a play stops the other channels), 2 the four
//       channels are mixed and may sound together. The effects use 2.
//   4   file name (put, text): with play-on-name on (property 31, on when the control is made) the
//       file plays at once: a MIDI file (.mid, .midi, .rmi) on the sequencer as a tune, raising the
//       end-of-tune event when it has played to its end, any other file as a WAV sound by itself.
//       With play-on-name off it only names the file that command 2 loads into a channel.
//   5   music command (put): 11 stops the tune, 1 closes the sequencer.
//   25  effects command (put): 1 opens the wave output device (the result goes to property 28),
//       2 loads the named file into the selected channel, 3 plays the selected channel from its
//       place, 4 stops the selected channel and rewinds it, 6 stops every channel at once,
//       7 closes the wave output device.
//   28  open result (get): 0 when the last command 1 opened the device, above 0 when it could
//       not: 1 there is no wave output device, 2 the device refused to open.
//   30  selected channel (put): 1 to 4; the channel that commands 2, 3, 4 and properties 33 and
//       35 act on.
//   31  play-on-name (put, boolean): see property 4.
//   32  device state (get): 0 closed, 1 open, 2 the device failed while playing and must be set
//       up again (closed and opened).
//   33  rate of the selected channel (put): the sample rate it is played at, in samples per
//       second (held within 100 to 200000), so a higher rate is a higher pitch; a load resets
//       it to the file's own rate. A rate stays with its channel until changed or reloaded.
//   35  volume of the selected channel (put): in hundredths of a decibel, 0 full, -10000 silent;
//       a load resets it to 0.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace glim {

namespace fxsnd {

inline constexpr std::int32_t prop_mixing_mode = 3;
inline constexpr std::int32_t prop_file_name = 4;
inline constexpr std::int32_t prop_music_command = 5;
inline constexpr std::int32_t prop_effects_command = 25;
inline constexpr std::int32_t prop_open_result = 28;
inline constexpr std::int32_t prop_channel = 30;
inline constexpr std::int32_t prop_play_on_name = 31;
inline constexpr std::int32_t prop_device_state = 32;
inline constexpr std::int32_t prop_rate = 33;
inline constexpr std::int32_t prop_volume = 35;

// Values of prop_mixing_mode.
inline constexpr std::int32_t mix_single = 1;
inline constexpr std::int32_t mix_channels = 2;

// Values of prop_effects_command.
inline constexpr std::int32_t cmd_open = 1;
inline constexpr std::int32_t cmd_load = 2;
inline constexpr std::int32_t cmd_play = 3;
inline constexpr std::int32_t cmd_rewind = 4;
inline constexpr std::int32_t cmd_stop_all = 6;
inline constexpr std::int32_t cmd_close = 7;

// Values of prop_music_command.
inline constexpr std::int32_t music_stop = 11;
inline constexpr std::int32_t music_close = 1;

// Values of prop_open_result.
inline constexpr std::int32_t open_ok = 0;
inline constexpr std::int32_t open_no_device = 1;
inline constexpr std::int32_t open_refused = 2;

// Values of prop_device_state.
inline constexpr std::int32_t state_closed = 0;
inline constexpr std::int32_t state_open = 1;
inline constexpr std::int32_t state_failed = 2;

inline constexpr std::int32_t channel_count = 4;

// Volume limits, hundredths of a decibel.
inline constexpr std::int32_t volume_full = 0;
inline constexpr std::int32_t volume_silent = -10000;

}  // namespace fxsnd

class fxsnd_control {
  public:
    virtual ~fxsnd_control() = default;

    virtual void put_number(std::int32_t property, std::int32_t value) = 0;
    virtual void put_bool(std::int32_t property, bool value) = 0;
    virtual void put_text(std::int32_t property, const std::string& value) = 0;
    // A property's value as a number; properties that report nothing read 0.
    virtual double get(std::int32_t property) = 0;

    // The end-of-tune event. It is raised from the window's message processing, never from
    // inside a put, so the handler runs wherever pending events are processed.
    void on_play_ended(std::function<void()> handler) { play_ended_ = std::move(handler); }

  protected:
    void raise_play_ended() {
        if (play_ended_) play_ended_();
    }

  private:
    std::function<void()> play_ended_;
};

// A number read from the control as a 16-bit integer: nearest, halves to even; a value beyond the
// 16-bit range is held at its end rather than wrapped, so a huge code still reads as above 0.
std::int16_t fxsnd_int16(double v);

}  // namespace glim
