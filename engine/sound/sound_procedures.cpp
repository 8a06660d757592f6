#include "engine/sound/sound_procedures.h"

#include "shell/numbers.h"

namespace glim {

namespace {

// The effect files, channel 1 to 4; both brick-hit channels hold the same file so that two hits
// in quick succession can overlap.
constexpr std::array<const char*, 4> effect_files = {"ovrinpd.wav", "ovrinho.wav", "ovrinht1.wav",
                                                     "ovrinht1.wav"};

// The tunes in playing order: the second tune comes first.
constexpr std::array<const char*, 10> tune_order = {
    "ovrin2.mid", "ovrin1.mid", "ovrin3.mid", "ovrin4.mid", "ovrin5.mid",
    "ovrin6.mid", "ovrin7.mid", "ovrin8.mid", "ovrin9.mid", "ovrin10.mid"};

}  // namespace

sound_procedures::sound_procedures(config_settings& settings, random_source& random,
                                   fxsnd_control& effects, fxsnd_control& music, event_clock& host)
    : settings_(settings), random_(random), FXSnd1(effects), FXSnd2(music), host_(host) {
    FXSnd2.on_play_ended([this] { FXSnd2_PlayEnded(); });
}

sound_procedures::~sound_procedures() {
    FXSnd2.on_play_ended({});
}

void sound_procedures::do_soundfx(std::int32_t channel, std::int32_t rate, std::int32_t extra) {
    if (settings_.soundfx_on.as_number() == 0) return;
    FXSnd1.put_number(fxsnd::prop_channel, channel);
    FXSnd1.put_number(fxsnd::prop_effects_command, fxsnd::cmd_rewind);
    if (extra != 0) FXSnd1.put_number(fxsnd::prop_volume, extra);
    if (rate != 0) FXSnd1.put_number(fxsnd::prop_rate, rate);
    FXSnd1.put_number(fxsnd::prop_effects_command, fxsnd::cmd_play);
}

void sound_procedures::load_channel(std::int32_t channel, const char* file) {
    FXSnd1.put_number(fxsnd::prop_channel, channel);
    FXSnd1.put_bool(fxsnd::prop_play_on_name, false);
    FXSnd1.put_text(fxsnd::prop_file_name, settings_.app_path + file);
    FXSnd1.put_number(fxsnd::prop_effects_command, fxsnd::cmd_load);
}

void sound_procedures::init_sound() {
    sound_off();
    setup_music();
    if (settings_.soundfx_on.as_number() == 0) return;

    FXSnd1.put_number(fxsnd::prop_mixing_mode, fxsnd::mix_channels);
    FXSnd1.put_number(fxsnd::prop_effects_command, fxsnd::cmd_open);
    if (fxsnd_int16(FXSnd1.get(fxsnd::prop_open_result)) > 0) {
        // No usable device: the effects stay off for the rest of the run (and a later save of
        // all settings stores the 0).
        settings_.soundfx_on = option_value::from_number(0);
        return;
    }
    for (std::int32_t channel = 1; channel <= fxsnd::channel_count; ++channel)
        load_channel(channel, effect_files[static_cast<std::size_t>(channel - 1)]);
}

void sound_procedures::setup_music() {
    tune_count = static_cast<std::int32_t>(tune_order.size());
    for (std::size_t i = 0; i < tune_order.size(); ++i) tune_files[i + 1] = tune_order[i];
    music_busy = 0;
    random_.seed(static_cast<std::uint32_t>(host_.get_time()));
    // Single precision, as the draw itself; handle_music starts the slot after the one drawn.
    const float r = random_.next();
    tune_index = vb_int(r * static_cast<float>(tune_count) + 1.0f);
}

void sound_procedures::handle_music() {
    if (settings_.music_on.as_number() == 0) return;
    if (music_busy != 0) return;
    if (tune_count == 0) return;
    tune_index += 1;
    // Also catches an index beyond the list, so the slot read below is always 1 to tune_count.
    if (tune_index > tune_count || tune_index < 1) tune_index = 1;
    // Busy before the start, so an end-of-tune event raised at any later moment clears it.
    music_busy = 1;
    FXSnd2.put_text(fxsnd::prop_file_name,
                    settings_.app_path + tune_files[static_cast<std::size_t>(tune_index)]);
}

void sound_procedures::sound_off() {
    // Exactly 1 here, unlike the other readers, which take any non-zero value as on.
    if (settings_.music_on.as_number() == 1) {
        FXSnd2.put_number(fxsnd::prop_music_command, fxsnd::music_stop);
        host_.process_events();
        FXSnd2.put_number(fxsnd::prop_music_command, fxsnd::music_close);
        host_.process_events();
    }
    if (settings_.soundfx_on.as_number() == 1) {
        FXSnd1.put_number(fxsnd::prop_effects_command, fxsnd::cmd_stop_all);
        host_.process_events();
        FXSnd1.put_number(fxsnd::prop_effects_command, fxsnd::cmd_close);
        host_.process_events();
    }
}

std::int16_t sound_procedures::effects_state() {
    return fxsnd_int16(FXSnd1.get(fxsnd::prop_device_state));
}

}  // namespace glim
