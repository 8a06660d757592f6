// The effects' sample side: WAV files read to mono samples, channels summed with clipping, the
// rate resampling and the volume in hundredths of a decibel.
#include <gtest/gtest.h>

#include "engine/sound/mixer.h"

namespace glim {
namespace {

// A WAV file built chunk by chunk, as tests need it (odd chunks, missing chunks, lies in sizes).
struct wav_builder {
    std::vector<std::uint8_t> bytes;

    void u16(std::uint32_t v) {
        bytes.push_back(static_cast<std::uint8_t>(v));
        bytes.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    void u32(std::uint32_t v) {
        u16(v & 0xffff);
        u16(v >> 16);
    }
    void id(const char* s) {
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(s[i]));
    }
    wav_builder() {
        id("RIFF");
        u32(0);  // readers must not depend on the RIFF size
        id("WAVE");
    }
    wav_builder& fmt(std::uint16_t format, std::uint16_t channels, std::uint32_t rate,
                     std::uint16_t bits) {
        id("fmt ");
        u32(16);
        u16(format);
        u16(channels);
        u32(rate);
        u32(rate * channels * bits / 8);
        u16(channels * bits / 8);
        u16(bits);
        return *this;
    }
    wav_builder& chunk(const char* name, std::vector<std::uint8_t> body,
                       std::uint32_t claimed_size = 0xffffffff) {
        id(name);
        u32(claimed_size == 0xffffffff ? static_cast<std::uint32_t>(body.size()) : claimed_size);
        for (std::uint8_t b : body) bytes.push_back(b);
        if (body.size() % 2 && claimed_size == 0xffffffff) bytes.push_back(0);  // pad to even
        return *this;
    }
    wav_builder& data16(std::vector<std::int16_t> s) {
        std::vector<std::uint8_t> b;
        for (std::int16_t v : s) {
            b.push_back(static_cast<std::uint8_t>(v));
            b.push_back(static_cast<std::uint8_t>(static_cast<std::uint16_t>(v) >> 8));
        }
        return chunk("data", b);
    }
};

TEST(parse_wav, reads_16_bit_mono_past_an_odd_sized_chunk) {
    wav_builder w;
    w.fmt(1, 1, 22050, 16).chunk("LIST", {1, 2, 3}).data16({0, 1000, -1000, 32767, -32768});
    auto s = parse_wav(w.bytes);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->rate, 22050);
    EXPECT_EQ(s->samples, (std::vector<std::int16_t>{0, 1000, -1000, 32767, -32768}));
}

TEST(parse_wav, mixes_stereo_down_and_widens_8_bit) {
    wav_builder w;
    // Frames (L, R): (255, 255), (128, 0), (0, 0).
    w.fmt(1, 2, 8000, 8).chunk("data", {255, 255, 128, 0, 0, 0});
    auto s = parse_wav(w.bytes);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->rate, 8000);
    EXPECT_EQ(s->samples, (std::vector<std::int16_t>{127 * 256, -64 * 256, -128 * 256}));
}

TEST(parse_wav, data_before_fmt_and_a_short_data_chunk_are_read) {
    // A data chunk that claims 100 bytes swallows the fmt chunk behind it: no fmt is seen.
    wav_builder w;
    w.chunk("data", {0x10, 0x00, 0x7f}, 100).fmt(1, 1, 11025, 16);
    EXPECT_FALSE(parse_wav(w.bytes));

    wav_builder ok;
    ok.chunk("data", {0x10, 0x00, 0x20, 0x00}).fmt(1, 1, 11025, 16);
    auto s = parse_wav(ok.bytes);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->samples, (std::vector<std::int16_t>{16, 32}));

    // Claims 100 bytes, holds 3: one whole 16-bit sample and a stray byte.
    wav_builder cut;
    cut.fmt(1, 1, 11025, 16).chunk("data", {0x10, 0x00, 0x7f}, 100);
    s = parse_wav(cut.bytes);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->samples, (std::vector<std::int16_t>{16}));
}

TEST(parse_wav, refuses_what_it_cannot_play) {
    EXPECT_FALSE(parse_wav({}));
    const std::uint8_t text[] = "RIFF\0\0\0\0WAVX";
    EXPECT_FALSE(parse_wav(std::span(text, 12)));
    wav_builder compressed;
    compressed.fmt(2, 1, 22050, 4).data16({1, 2});
    EXPECT_FALSE(parse_wav(compressed.bytes));
    wav_builder no_data;
    no_data.fmt(1, 1, 22050, 16);
    EXPECT_FALSE(parse_wav(no_data.bytes));
    wav_builder zero_rate;
    zero_rate.fmt(1, 1, 0, 16).data16({1});
    EXPECT_FALSE(parse_wav(zero_rate.bytes));
    wav_builder six_channels;
    six_channels.fmt(1, 6, 22050, 16).data16({1, 2, 3, 4, 5, 6});
    EXPECT_FALSE(parse_wav(six_channels.bytes));
    // A chunk size near 4 GB must not wrap the reader round to the start.
    wav_builder huge;
    huge.fmt(1, 1, 22050, 16).chunk("junk", {1, 2}, 0xfffffffe).data16({5});
    EXPECT_FALSE(parse_wav(huge.bytes));
}

mixer_voice voice(std::vector<std::int16_t> samples, std::int32_t rate, std::int32_t volume = 0) {
    mixer_voice v;
    v.sound.samples = std::move(samples);
    v.sound.rate = rate;
    v.rate = rate;
    v.volume = volume;
    v.playing = true;
    return v;
}

TEST(mix_voices, sums_channels_and_clips_at_both_ends) {
    std::vector<mixer_voice> v{voice({1000, 30000, -30000, 5}, 22050),
                               voice({-300, 30000, -30000, 7}, 22050), voice({0, 0, 0, 0}, 22050)};
    v[2].playing = false;
    v[2].sound.samples = {9999, 9999, 9999, 9999};
    std::vector<std::int16_t> out(6, 123);
    mix_voices(v, out, 22050);
    EXPECT_EQ(out, (std::vector<std::int16_t>{700, 32767, -32768, 12, 0, 0}));
    EXPECT_FALSE(v[0].playing);
    EXPECT_FALSE(v[1].playing);
}

TEST(mix_voices, a_voice_runs_on_across_blocks_and_stops_at_its_end) {
    std::vector<mixer_voice> v{voice({1, 2, 3, 4, 5}, 8000)};
    std::vector<std::int16_t> a(3), b(3);
    mix_voices(v, a, 8000);
    EXPECT_TRUE(v[0].playing);
    mix_voices(v, b, 8000);
    EXPECT_EQ(a, (std::vector<std::int16_t>{1, 2, 3}));
    EXPECT_EQ(b, (std::vector<std::int16_t>{4, 5, 0}));
    EXPECT_FALSE(v[0].playing);
}

TEST(mix_voices, a_higher_rate_plays_faster_and_a_lower_one_interpolates) {
    std::vector<std::int16_t> ramp;
    for (int i = 0; i < 100; ++i) ramp.push_back(static_cast<std::int16_t>(i * 100));

    std::vector<mixer_voice> fast{voice(ramp, 22050)};
    fast[0].rate = 44100;  // twice the output rate: every other sample, half the length
    std::vector<std::int16_t> out(60);
    mix_voices(fast, out, 22050);
    for (int i = 0; i < 50; ++i) EXPECT_EQ(out[i], i * 200) << i;
    for (int i = 50; i < 60; ++i) EXPECT_EQ(out[i], 0) << i;

    std::vector<mixer_voice> slow{voice(ramp, 22050)};
    slow[0].rate = 11025;  // half: twice the length, midpoints between samples
    std::vector<std::int16_t> out2(10);
    mix_voices(slow, out2, 22050);
    EXPECT_EQ(out2, (std::vector<std::int16_t>{0, 50, 100, 150, 200, 250, 300, 350, 400, 450}));
}

TEST(mix_voices, volume_in_hundredths_of_a_decibel) {
    EXPECT_DOUBLE_EQ(volume_gain(0), 1.0);
    EXPECT_DOUBLE_EQ(volume_gain(500), 1.0);  // never louder than the file
    EXPECT_NEAR(volume_gain(-600), 0.501, 0.001);
    EXPECT_NEAR(volume_gain(-2000), 0.1, 1e-12);
    EXPECT_NEAR(volume_gain(-100), 0.891, 0.001);
    EXPECT_EQ(volume_gain(-10000), 0.0);
    EXPECT_EQ(volume_gain(-20000), 0.0);

    std::vector<mixer_voice> v{voice({20000, -20000}, 8000, -600),
                               voice({20000, -20000}, 8000, -10000)};
    std::vector<std::int16_t> out(2);
    mix_voices(v, out, 8000);
    EXPECT_NEAR(out[0], 10024, 2);
    EXPECT_NEAR(out[1], -10024, 2);
}

}  // namespace
}  // namespace glim
