// The files installed beside the program: ten tunes, three effects and the catalogue.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "asset_files.h"
#include "engine/sound/mixer.h"

using namespace glim::assets_check;

namespace {

std::vector<std::uint8_t> media(const std::string& name) {
    return read_bytes(source_path("media/" + name));
}

struct levels {
    double peak = 0, rms = 0, mean = 0;
};

levels measure(const std::vector<double>& s) {
    levels l;
    for (double v : s) {
        l.peak = std::max(l.peak, std::fabs(v));
        l.rms += v * v;
        l.mean += v;
    }
    l.rms = std::sqrt(l.rms / static_cast<double>(s.size()));
    l.mean /= static_cast<double>(s.size());
    return l;
}

}  // namespace

TEST(Tunes, EveryTuneIsAStandardMidiFileOfFortyToOneHundredTwentySeconds) {
    std::set<std::vector<std::uint8_t>> seen;
    for (int n = 1; n <= 10; ++n) {
        std::string name = "ovrin" + std::to_string(n) + ".mid";
        auto bytes = media(name);
        auto m = read_midi(bytes);
        ASSERT_TRUE(m.has_value()) << name << " does not parse";
        EXPECT_EQ(m->format, 1) << name;
        EXPECT_GE(m->tracks, 4) << name;
        EXPECT_TRUE(m->every_track_ends) << name;
        EXPECT_GE(m->seconds, 40.0) << name;
        EXPECT_LE(m->seconds, 120.0) << name;
        EXPECT_EQ(m->note_ons, m->note_offs) << name << ": a note is left hanging";
        // melody, harmony or accompaniment, and bass: at least three voices with notes
        EXPECT_GE(m->channels_with_notes.size(), 3u) << name;
        EXPECT_FALSE(m->programs.empty()) << name << " leaves the instruments to chance";
        EXPECT_TRUE(seen.insert(bytes).second) << name << " repeats another tune";
    }
}

TEST(Tunes, ReaderRefusesBrokenFiles) {
    auto good = media("ovrin1.mid");
    ASSERT_TRUE(read_midi(good).has_value());
    auto cut = good;
    cut.resize(cut.size() - 10);
    EXPECT_FALSE(read_midi(cut).has_value());
    auto wrong = good;
    wrong[0] = 'X';
    EXPECT_FALSE(read_midi(wrong).has_value());
}

TEST(Effects, EachIsShortMonoPcmNeitherSilentNorClipped) {
    for (std::string name : {"ovrinpd.wav", "ovrinho.wav", "ovrinht1.wav"}) {
        auto w = read_wav(media(name));
        ASSERT_TRUE(w.has_value()) << name;
        EXPECT_EQ(w->format, 1) << name;
        EXPECT_EQ(w->channels, 1) << name;
        EXPECT_TRUE(w->bits == 8 || w->bits == 16) << name;
        double secs = static_cast<double>(w->samples.size()) / w->rate;
        EXPECT_LT(secs, 2.0) << name;
        levels l = measure(w->samples);
        EXPECT_GT(l.peak, 0.3) << name << " is too quiet";
        EXPECT_LT(l.peak, 0.98) << name << " reaches full scale";
        EXPECT_GT(l.rms, 0.03) << name;
        EXPECT_LT(std::fabs(l.mean), 0.01) << name << " is off centre";
        // no click: it starts and ends near silence
        EXPECT_LT(std::fabs(w->samples.front()), 0.05) << name;
        EXPECT_LT(std::fabs(w->samples.back()), 0.02) << name;
    }
}

TEST(Effects, LengthsStayShortAtEveryRateTheGamePlaysThemAt) {
    // the tock at 2500 (a lost ball) plays slowest; the ting at 12500 (a brick of the lowest
    // row hit from below); both must be over before the next one is likely
    auto pd = read_wav(media("ovrinpd.wav"));
    auto ht = read_wav(media("ovrinht1.wav"));
    ASSERT_TRUE(pd && ht);
    EXPECT_LT(static_cast<double>(pd->samples.size()) / 2500, 1.0);
    EXPECT_LT(static_cast<double>(ht->samples.size()) / 12500, 1.0);
    // and played fastest they are still long enough to be heard
    EXPECT_GT(static_cast<double>(pd->samples.size()) / 15000, 0.05);
    EXPECT_GT(static_cast<double>(ht->samples.size()) / 32500, 0.1);
    // made at rates between the lowest and highest they are played at, so that neither end
    // is stretched far from how they were made
    EXPECT_TRUE(pd->rate >= 2500 && pd->rate <= 15000) << pd->rate;
    EXPECT_TRUE(ht->rate >= 12500 && ht->rate <= 32500) << ht->rate;
}

TEST(Effects, TheGameMixerReadsThem) {
    for (std::string name : {"ovrinpd.wav", "ovrinho.wav", "ovrinht1.wav"}) {
        auto bytes = media(name);
        auto pcm = glim::parse_wav(bytes);
        ASSERT_TRUE(pcm.has_value()) << name;
        auto mine = read_wav(bytes);
        EXPECT_EQ(pcm->rate, mine->rate) << name;
        EXPECT_EQ(pcm->samples.size(), mine->samples.size()) << name;
    }
}

TEST(Catalogue, IsARichTextDocumentAboutTheMaker) {
    auto bytes = media("catalog.doc");
    std::string text(bytes.begin(), bytes.end());
    ASSERT_EQ(text.rfind("{\\rtf1", 0), 0u);
    int depth = 0;
    for (size_t k = 0; k < text.size(); ++k) {
        if (text[k] == '\\') {
            ++k;  // an escaped character or the first letter of a control word
            continue;
        }
        depth += text[k] == '{';
        depth -= text[k] == '}';
        ASSERT_GE(depth, 0) << "at " << k;
    }
    EXPECT_EQ(depth, 0);
    EXPECT_NE(text.find("Tarvo Software"), std::string::npos);
    EXPECT_TRUE(std::all_of(text.begin(), text.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 128; }));
}
