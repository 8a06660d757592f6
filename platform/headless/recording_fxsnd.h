// A sound control that plays nothing and records every property access, in order, into a log it
// may share with other controls and with a recording host, so that a test sees the exact order
// of puts, gets and event processing across both controls. Reads of the open result and of the
// device state return scripted values; the end-of-tune event is raised on request.
#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "engine/sound/fxsnd.h"
#include "engine/platform.h"

namespace glim {

struct fxsnd_access {
    enum class kind { put, get, events };
    std::string control;  // the recording control's name; empty for the host's event processing
    kind what = kind::put;
    std::int32_t property = 0;
    std::variant<std::int32_t, bool, std::string> value;  // what was put; unused for get and events

    bool operator==(const fxsnd_access&) const = default;
};
std::ostream& operator<<(std::ostream& os, const fxsnd_access& a);

using fxsnd_log = std::vector<fxsnd_access>;

class recording_fxsnd : public fxsnd_control {
  public:
    recording_fxsnd(std::string name, fxsnd_log& log) : name_(std::move(name)), log_(log) {}

    void put_number(std::int32_t property, std::int32_t value) override;
    void put_bool(std::int32_t property, bool value) override;
    void put_text(std::int32_t property, const std::string& value) override;
    double get(std::int32_t property) override;

    // Raises the end-of-tune event as the window's message processing would.
    void fire_play_ended() { raise_play_ended(); }

    // What reads of the open result and the device state return.
    double open_result = 0;
    double device_state = 0;

    // Log entries of this control, for building expected sequences.
    fxsnd_access put(std::int32_t property, std::int32_t v) const;
    fxsnd_access put(std::int32_t property, bool v) const;
    fxsnd_access put(std::int32_t property, std::string v) const;
    // A literal would otherwise pick the bool overload.
    fxsnd_access put(std::int32_t property, const char* v) const {
        return put(property, std::string(v));
    }
    fxsnd_access read(std::int32_t property) const;

  private:
    std::string name_;
    fxsnd_log& log_;
};

// The host of the sound procedures in tests: logs each round of event processing into the same
// log, runs an optional action there (an end-of-tune event arriving, say), and has a settable
// clock.
class recording_sound_host : public event_clock {
  public:
    explicit recording_sound_host(fxsnd_log& log) : log_(log) {}
    void process_events() override;
    std::int32_t get_time() override { return clock; }

    std::int32_t clock = 0;
    std::function<void()> during_events;

    static fxsnd_access events() { return {{}, fxsnd_access::kind::events, 0, std::int32_t{0}}; }

  private:
    fxsnd_log& log_;
};

}  // namespace glim
