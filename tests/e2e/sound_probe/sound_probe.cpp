// A small Windows console program that drives the real sound controls and prints what it sees,
// one "key=value" a line. Used by test_sound_probe.py under Wine.
//   sound_probe game <folder\> <effect rate> <ms to wait for the tune>
//     the sound procedures as the saver window runs them: set-up, one effect on channel 1 at the
//     rate given, one tune, the stop; the folder holds the effect files and the tunes.
//   sound_probe oneshot <file> <ms>
//     a fresh control's file name set once, as the configuration dialog plays its sound.
#include <windows.h>
#include <mmsystem.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/sound/sound_procedures.h"
#include "platform/win32/fxsnd_control.h"

namespace {

class probe_host : public glim::event_clock {
  public:
    std::int32_t get_time() override { return static_cast<std::int32_t>(timeGetTime()); }
    void process_events() override {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    // Processes events for `ms`, sleeping between rounds as a paced frame loop would.
    void run_for(DWORD ms) {
        const DWORD end = timeGetTime() + ms;
        while (static_cast<std::int32_t>(end - timeGetTime()) > 0) {
            process_events();
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        }
    }
};

}  // namespace

int oneshot(const char* file, DWORD ms) {
    probe_host host;
    glim::win32::fxsnd_control_win32 fx;
    fx.put_text(glim::fxsnd::prop_file_name, file);
    host.run_for(ms);
    std::printf("done=1\n");
    return 0;
}

int game(char** argv) {
    glim::config_settings settings;
    settings.app_path = argv[1];
    settings.music_on = glim::option_value::from_text("1");
    settings.soundfx_on = glim::option_value::from_text("1");
    glim::random_source random;
    probe_host host;
    glim::win32::fxsnd_control_win32 fx, music;
    glim::sound_procedures snd(settings, random, fx, music, host);

    std::printf("wave_devices=%u\n", waveOutGetNumDevs());
    snd.init_sound();
    std::printf("open_result=%g\n", fx.get(glim::fxsnd::prop_open_result));
    std::printf("soundfx_on=%s\n", settings.soundfx_on.to_text().c_str());
    std::printf("state=%d\n", snd.effects_state());

    // One effect, then wait until the device has handed back every block it was given.
    const DWORD t0 = timeGetTime();
    snd.do_soundfx(1, std::atoi(argv[2]), -100);
    std::int64_t last = -1;
    DWORD quiet_since = timeGetTime();
    while (timeGetTime() - t0 < 10000) {
        host.run_for(20);
        if (fx.blocks_played() != last) {
            last = fx.blocks_played();
            quiet_since = timeGetTime();
        } else if (timeGetTime() - quiet_since > 500) {
            break;
        }
    }
    std::printf("blocks_played=%lld\n", static_cast<long long>(fx.blocks_played()));
    std::printf("effect_ms=%lu\n", static_cast<unsigned long>(quiet_since - t0));
    std::printf("state_after=%d\n", snd.effects_state());

    snd.handle_music();
    std::printf("tune=%s\n", snd.tune_files[static_cast<std::size_t>(snd.tune_index)].c_str());
    std::printf("music_busy=%d\n", snd.music_busy);
    host.run_for(static_cast<DWORD>(std::atoi(argv[3])));
    std::printf("music_busy_after_wait=%d\n", snd.music_busy);

    snd.sound_off();
    std::printf("done=1\n");
    return 0;
}

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    int rc = 2;
    timeBeginPeriod(1);
    if (mode == "game" && argc == 5)
        rc = game(argv + 1);  // argv[1] is then the folder
    else if (mode == "oneshot" && argc == 4)
        rc = oneshot(argv[2], static_cast<DWORD>(std::atoi(argv[3])));
    else
        std::fprintf(stderr,
                     "usage: sound_probe game <folder\\> <rate> <ms> | oneshot <file> <ms>\n");
    timeEndPeriod(1);
    std::fflush(stdout);
    return rc;
}
