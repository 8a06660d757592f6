#include "platform/win32/fxsnd_control.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

#include "shell/system_helpers.h"

namespace glim::win32 {

namespace {

constexpr const char* window_class = "glimbrook_fxsnd";

// Effect files are small; anything larger than this is not an effect and is not read.
constexpr std::streamoff max_wav_bytes = 32 * 1024 * 1024;

// Rates outside this range are held at its ends (the mixer's step stays well inside 32.32).
constexpr std::int32_t min_rate = 100;
constexpr std::int32_t max_rate = 200000;

bool is_midi_file(const std::string& path) {
    auto dot = path.find_last_of('.');
    if (dot == std::string::npos) return false;
    std::string ext = path.substr(dot + 1);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == "mid" || ext == "midi" || ext == "rmi";
}

std::vector<std::uint8_t> read_file(const std::string& path) {
    if (!path_fits(path)) return {};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size <= 0 || size > max_wav_bytes) return {};
    in.seekg(0);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), size);
    if (!in) return {};
    return bytes;
}

MCIERROR mci(const std::string& command, HWND notify = nullptr) {
    return mciSendStringA(command.c_str(), nullptr, 0, notify);
}

void register_class(WNDPROC proc) {
    static bool done = false;
    if (done) return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = window_class;
    RegisterClassA(&wc);
    done = true;
}

}  // namespace

fxsnd_control_win32::fxsnd_control_win32() {
    static unsigned next_id = 0;
    alias_ = "glimbrook_tune" + std::to_string(++next_id);
    register_class(&window_proc);
    // Message-only: never shown, never enumerated with the top-level windows, still reached by
    // posted notices. Until `this` is stored the procedure passes everything on.
    window_ = CreateWindowExA(0, window_class, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    if (window_) SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

fxsnd_control_win32::~fxsnd_control_win32() {
    close_tune();
    close_device();
    if (window_) DestroyWindow(window_);
}

LRESULT CALLBACK fxsnd_control_win32::window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<fxsnd_control_win32*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self) {
        switch (msg) {
        case MM_WOM_DONE: self->pump(); return 0;
        case MM_MCINOTIFY: self->on_tune_notice(wp, lp); return 0;
        default: break;
        }
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

void fxsnd_control_win32::put_number(std::int32_t property, std::int32_t value) {
    switch (property) {
    case fxsnd::prop_mixing_mode: mixing_mode_ = value; break;
    case fxsnd::prop_music_command: music_command(value); break;
    case fxsnd::prop_effects_command: effects_command(value); break;
    case fxsnd::prop_channel:
        // Anything but 1 to 4 selects no channel, so the channel operations do nothing.
        channel_ = value >= 1 && value <= fxsnd::channel_count ? value : 0;
        break;
    case fxsnd::prop_play_on_name: play_on_name_ = value != 0; break;
    case fxsnd::prop_rate:
        if (mixer_voice* v = selected()) v->rate = std::clamp(value, min_rate, max_rate);
        break;
    case fxsnd::prop_volume:
        if (mixer_voice* v = selected()) v->volume = value;
        break;
    default: break;
    }
}

void fxsnd_control_win32::put_bool(std::int32_t property, bool value) {
    put_number(property, value ? 1 : 0);
}

void fxsnd_control_win32::put_text(std::int32_t property, const std::string& value) {
    if (property != fxsnd::prop_file_name) return;
    file_name_ = value;
    if (!play_on_name_) return;
    if (is_midi_file(value))
        start_tune(value);
    else
        play_named_file(value);
}

double fxsnd_control_win32::get(std::int32_t property) {
    if (property == fxsnd::prop_open_result) return open_result_;
    if (property == fxsnd::prop_device_state) return state_;
    return 0;
}

mixer_voice* fxsnd_control_win32::selected() {
    if (channel_ < 1 || channel_ > fxsnd::channel_count) return nullptr;
    return &voices_[static_cast<std::size_t>(channel_ - 1)];
}

void fxsnd_control_win32::effects_command(std::int32_t command) {
    switch (command) {
    case fxsnd::cmd_open: open_device(); break;
    case fxsnd::cmd_load: load_selected(); break;
    case fxsnd::cmd_play:
        if (mixer_voice* v = selected(); v && wave_ && !v->sound.samples.empty()) {
            if (mixing_mode_ == fxsnd::mix_single)
                for (mixer_voice& other : voices_) other.playing = false;
            v->playing = true;
            pump();
        }
        break;
    case fxsnd::cmd_rewind:
        if (mixer_voice* v = selected()) {
            v->playing = false;
            v->position = 0;
        }
        break;
    case fxsnd::cmd_stop_all: stop_all(); break;
    case fxsnd::cmd_close: close_device(); break;
    default: break;
    }
}

void fxsnd_control_win32::open_device() {
    close_device();
    if (waveOutGetNumDevs() == 0) {
        open_result_ = fxsnd::open_no_device;
        return;
    }
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 1;
    format.nSamplesPerSec = output_rate;
    format.wBitsPerSample = 16;
    format.nBlockAlign = 2;
    format.nAvgBytesPerSec = output_rate * 2;
    // The device tells the hidden window when a block is done; the window refills it.
    if (!window_ || waveOutOpen(&wave_, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(window_),
                                0, CALLBACK_WINDOW) != MMSYSERR_NOERROR) {
        wave_ = nullptr;
        open_result_ = fxsnd::open_refused;
        return;
    }
    for (block& b : blocks_) {
        b.header = {};
        b.header.lpData = reinterpret_cast<LPSTR>(b.samples.data());
        b.header.dwBufferLength = static_cast<DWORD>(sizeof(b.samples));
        waveOutPrepareHeader(wave_, &b.header, sizeof(WAVEHDR));
        b.queued = false;
    }
    open_result_ = fxsnd::open_ok;
    state_ = fxsnd::state_open;
}

void fxsnd_control_win32::stop_all() {
    for (mixer_voice& v : voices_) v.playing = false;
    if (!wave_) return;
    // Cut off what is queued too, so nothing sounds after the stop. The reset hands every block
    // back at once; their done notices find nothing to play.
    waveOutReset(wave_);
    for (block& b : blocks_) b.queued = false;
}

void fxsnd_control_win32::close_device() {
    for (mixer_voice& v : voices_) v.playing = false;
    if (wave_) {
        waveOutReset(wave_);
        for (block& b : blocks_) {
            waveOutUnprepareHeader(wave_, &b.header, sizeof(WAVEHDR));
            b.queued = false;
        }
        waveOutClose(wave_);
        wave_ = nullptr;
    }
    state_ = fxsnd::state_closed;
}

void fxsnd_control_win32::pump() {
    if (!wave_) return;
    // A done notice may be late or stale (after a reset); the block's own flag is the truth.
    for (block& b : blocks_) {
        if (b.queued && (b.header.dwFlags & WHDR_DONE)) {
            b.queued = false;
            ++blocks_played_;
        }
    }
    for (block& b : blocks_) {
        if (b.queued) continue;
        if (std::none_of(voices_.begin(), voices_.end(),
                         [](const mixer_voice& v) { return v.playing; }))
            return;
        mix_voices(voices_, b.samples, output_rate);
        if (waveOutWrite(wave_, &b.header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
            // The device has gone: the game sets the sound up again when it sees this state.
            for (mixer_voice& v : voices_) v.playing = false;
            state_ = fxsnd::state_failed;
            return;
        }
        b.queued = true;
    }
}

void fxsnd_control_win32::load_selected() {
    mixer_voice* v = selected();
    if (!v) return;
    const std::vector<std::uint8_t> bytes = read_file(file_name_);
    *v = {};
    if (auto sound = parse_wav(bytes)) {
        v->sound = std::move(*sound);
        v->rate = std::clamp(v->sound.rate, min_rate, max_rate);
    }
}

void fxsnd_control_win32::play_named_file(const std::string& path) {
    // A sound by itself, outside the channels: the system plays it and we do not wait.
    if (!path_fits(path)) return;
    PlaySoundA(path.c_str(), nullptr, SND_ASYNC | SND_FILENAME | SND_NODEFAULT);
}

void fxsnd_control_win32::start_tune(const std::string& path) {
    close_tune();
    if (!path_fits(path)) return;
    if (mci("open \"" + path + "\" type sequencer alias " + alias_) != 0) return;
    tune_device_ = mciGetDeviceIDA(alias_.c_str());
    if (mci("play " + alias_ + " notify", window_) != 0) close_tune();
}

void fxsnd_control_win32::music_command(std::int32_t command) {
    if (!tune_device_) return;
    if (command == fxsnd::music_stop)
        mci("stop " + alias_);
    else if (command == fxsnd::music_close)
        close_tune();
}

void fxsnd_control_win32::close_tune() {
    if (!tune_device_) return;
    mci("close " + alias_);
    tune_device_ = 0;
}

void fxsnd_control_win32::on_tune_notice(WPARAM flags, LPARAM device) {
    // Only a tune of ours that played to its end counts; a stop or a replaced tune sends an
    // aborted or superseded notice, which must not start the next tune.
    if (!tune_device_ || static_cast<MCIDEVICEID>(device) != tune_device_) return;
    if (flags != MCI_NOTIFY_SUCCESSFUL) return;
    close_tune();
    raise_play_ended();
}

}  // namespace glim::win32
