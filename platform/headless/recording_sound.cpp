#include "platform/headless/recording_sound.h"

#include <algorithm>
#include <iterator>

namespace glim {

void recording_sound::do_soundfx(std::int32_t channel, std::int32_t rate, std::int32_t extra) {
    calls.push_back({sound_call::kind::do_soundfx, channel, rate, extra});
}

void recording_sound::init_sound() {
    calls.push_back({sound_call::kind::init_sound});
}

void recording_sound::handle_music() {
    calls.push_back({sound_call::kind::handle_music});
}

void recording_sound::sound_off() {
    calls.push_back({sound_call::kind::sound_off});
}

std::int16_t recording_sound::effects_state() {
    std::int16_t v = state;
    if (!scripted_states.empty()) {
        v = scripted_states.front();
        scripted_states.pop_front();
    }
    calls.push_back({sound_call::kind::effects_state, v});
    return v;
}

void recording_sound::set_music_busy(std::int32_t v) {
    music_busy = v;
    calls.push_back({sound_call::kind::set_music_busy, v});
}

std::vector<sound_call> recording_sound::of(sound_call::kind k) const {
    std::vector<sound_call> out;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(out),
                 [k](const sound_call& c) { return c.what == k; });
    return out;
}

std::size_t recording_sound::count(sound_call::kind k) const {
    return static_cast<std::size_t>(std::count_if(
        calls.begin(), calls.end(), [k](const sound_call& c) { return c.what == k; }));
}

}  // namespace glim
