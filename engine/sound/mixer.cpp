#include "engine/sound/mixer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/sound/fxsnd.h"

namespace glim {

namespace {

std::uint32_t le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t le16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

bool is_id(const std::uint8_t* p, const char* id) {
    return std::memcmp(p, id, 4) == 0;
}

}  // namespace

std::optional<pcm_sound> parse_wav(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 12 || !is_id(bytes.data(), "RIFF") || !is_id(bytes.data() + 8, "WAVE"))
        return std::nullopt;

    std::uint16_t format = 0, channels = 0, bits = 0;
    std::uint32_t rate = 0;
    bool have_fmt = false;
    std::span<const std::uint8_t> data;
    bool have_data = false;

    // Chunks follow one another, each padded to an even length; sizes are checked in 64 bits so
    // that a huge size cannot wrap past the end of the buffer.
    std::uint64_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::uint8_t* head = bytes.data() + at;
        const std::uint64_t size = le32(head + 4);
        const std::uint64_t body = at + 8;
        const std::uint64_t avail = std::min<std::uint64_t>(size, bytes.size() - body);
        if (is_id(head, "fmt ") && avail >= 16) {
            format = le16(head + 8);
            channels = le16(head + 10);
            rate = le32(head + 12);
            bits = le16(head + 22);
            have_fmt = true;
        } else if (is_id(head, "data") && !have_data) {
            data = bytes.subspan(static_cast<std::size_t>(body), static_cast<std::size_t>(avail));
            have_data = true;
        }
        at = body + size + (size & 1);
    }

    if (!have_fmt || !have_data || format != 1 || rate == 0 || rate > 0x7fffffff)
        return std::nullopt;
    if ((channels != 1 && channels != 2) || (bits != 8 && bits != 16)) return std::nullopt;

    const std::size_t bytes_per_value = bits / 8;
    const std::size_t frame = bytes_per_value * channels;
    const std::size_t frames = data.size() / frame;
    pcm_sound out;
    out.rate = static_cast<std::int32_t>(rate);
    out.samples.resize(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        std::int32_t sum = 0;
        for (std::size_t c = 0; c < channels; ++c) {
            const std::uint8_t* p = data.data() + i * frame + c * bytes_per_value;
            // 8-bit samples are unsigned around 128; 16-bit ones signed.
            sum += bits == 8 ? (static_cast<std::int32_t>(p[0]) - 128) * 256
                             : static_cast<std::int16_t>(le16(p));
        }
        out.samples[i] = static_cast<std::int16_t>(sum / static_cast<std::int32_t>(channels));
    }
    return out;
}

double volume_gain(std::int32_t hundredths_db) {
    if (hundredths_db >= fxsnd::volume_full) return 1.0;
    if (hundredths_db <= fxsnd::volume_silent) return 0.0;
    return std::pow(10.0, hundredths_db / 2000.0);
}

void mix_voices(std::span<mixer_voice> voices, std::span<std::int16_t> out,
                std::int32_t output_rate) {
    std::vector<std::int32_t> sum(out.size(), 0);
    for (mixer_voice& v : voices) {
        if (!v.playing) continue;
        const std::size_t n = v.sound.samples.size();
        if (n == 0 || v.rate <= 0 || output_rate <= 0) {
            v.playing = false;
            continue;
        }
        // Gain and step in fixed point, so that equal inputs mix to equal outputs everywhere.
        const auto gain = static_cast<std::int64_t>(std::lround(volume_gain(v.volume) * 65536.0));
        const std::uint64_t step =
            (static_cast<std::uint64_t>(v.rate) << 32) / static_cast<std::uint64_t>(output_rate);
        for (std::size_t i = 0; i < out.size(); ++i) {
            const std::uint64_t index = v.position >> 32;
            if (index >= n) {
                v.playing = false;
                break;
            }
            const std::int64_t s0 = v.sound.samples[index];
            const std::int64_t s1 = index + 1 < n ? v.sound.samples[index + 1] : 0;
            const std::int64_t frac = static_cast<std::int64_t>((v.position >> 16) & 0xffff);
            const std::int64_t value = s0 + (((s1 - s0) * frac) >> 16);
            sum[i] += static_cast<std::int32_t>((value * gain + 32768) >> 16);
            v.position += step;
        }
        if ((v.position >> 32) >= n) v.playing = false;
    }
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = saturate16(sum[i]);
}

}  // namespace glim
