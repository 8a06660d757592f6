// The sample side of the effects: reading a WAV file into mono 16-bit samples, and mixing the
// effect channels into one output block, each channel at its own playback rate and volume.
// Pure functions on plain data, so the sound that reaches the device is checkable natively.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace glim {

// Mono 16-bit samples and the rate they were recorded at (samples per second).
struct pcm_sound {
    std::vector<std::int16_t> samples;
    std::int32_t rate = 0;
};

// Reads an uncompressed (PCM) RIFF WAVE file of 8 or 16 bits, mono or stereo; stereo is mixed
// down to mono. A data chunk that claims more bytes than the file holds is cut to what is there.
// Anything else (not RIFF/WAVE, compressed, no fmt or data chunk, zero rate) gives nothing.
std::optional<pcm_sound> parse_wav(std::span<const std::uint8_t> bytes);

// The amplitude factor of a volume in hundredths of a decibel: 0 (or more) is 1, -600 about a
// half, -10000 (or less) silence.
double volume_gain(std::int32_t hundredths_db);

// One effect channel as the mixer sees it.
struct mixer_voice {
    pcm_sound sound;
    std::uint64_t position = 0;  // place in sound.samples, 32.32 fixed point
    std::int32_t rate = 0;       // playback rate, samples of `sound` per second
    std::int32_t volume = 0;     // hundredths of a decibel
    bool playing = false;
};

// Clips a mixed value to the 16-bit range.
inline std::int16_t saturate16(std::int32_t v) {
    return static_cast<std::int16_t>(v > 32767 ? 32767 : v < -32768 ? -32768 : v);
}

// Fills `out` with the playing voices summed (clipped to 16 bits) at `output_rate`. Each voice
// advances by its rate over the output rate per output sample, reading between two of its
// samples by linear interpolation, and stops when it has run past its last sample. Silent
// where nothing plays.
void mix_voices(std::span<mixer_voice> voices, std::span<std::int16_t> out,
                std::int32_t output_rate);

}  // namespace glim
