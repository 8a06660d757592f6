// The sound control on Windows: effects mixed by our own mixer onto one waveOut stream, tunes on
// the MCI sequencer, the one-shot WAV through PlaySound. A hidden message-only window receives the
// device's block-done and the sequencer's completion notices, so everything runs on the window
// thread, inside whatever processes pending events; nothing here runs on another thread.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/sound/fxsnd.h"
#include "engine/sound/mixer.h"

namespace glim::win32 {

class fxsnd_control_win32 final : public fxsnd_control {
  public:
    // The output stream: 16-bit mono at this rate, in blocks of this many samples. Only blocks
    // that carry sound are queued, so an effect that starts from silence starts with the next
    // block; while sound goes on, up to block_count blocks (about 70 ms) are queued ahead, which
    // covers the gaps between two rounds of event processing.
    static constexpr std::int32_t output_rate = 22050;
    static constexpr std::size_t block_samples = 256;
    static constexpr std::size_t block_count = 6;

    fxsnd_control_win32();
    ~fxsnd_control_win32() override;
    fxsnd_control_win32(const fxsnd_control_win32&) = delete;
    fxsnd_control_win32& operator=(const fxsnd_control_win32&) = delete;

    void put_number(std::int32_t property, std::int32_t value) override;
    void put_bool(std::int32_t property, bool value) override;
    void put_text(std::int32_t property, const std::string& value) override;
    double get(std::int32_t property) override;

    // Blocks the device has played and handed back since the control was made (for checks).
    std::int64_t blocks_played() const { return blocks_played_; }

  private:
    struct block {
        WAVEHDR header{};
        std::array<std::int16_t, block_samples> samples{};
        bool queued = false;
    };

    static LRESULT CALLBACK window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void effects_command(std::int32_t command);
    void open_device();
    void close_device();
    void stop_all();
    void pump();
    void load_selected();
    mixer_voice* selected();
    void play_named_file(const std::string& path);
    void start_tune(const std::string& path);
    void music_command(std::int32_t command);
    void close_tune();
    void on_tune_notice(WPARAM flags, LPARAM device);

    HWND window_ = nullptr;
    std::int32_t mixing_mode_ = fxsnd::mix_single;
    std::int32_t channel_ = 1;
    bool play_on_name_ = true;
    std::string file_name_;
    std::int32_t open_result_ = fxsnd::open_ok;
    std::int32_t state_ = fxsnd::state_closed;
    std::array<mixer_voice, fxsnd::channel_count> voices_;
    HWAVEOUT wave_ = nullptr;
    std::array<block, block_count> blocks_;
    std::int64_t blocks_played_ = 0;
    std::string alias_;
    MCIDEVICEID tune_device_ = 0;
};

}  // namespace glim::win32
