// The sound procedures against two recording controls: the exact accesses of every operation,
// the tune order and its random start, and how the two options switch things.
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "engine/sound/sound_procedures.h"
#include "platform/headless/recording_fxsnd.h"
#include "shell/settings.h"

namespace glim {
namespace {

using access = fxsnd_access;

class sound_test : public ::testing::Test {
  protected:
    sound_test() { settings.app_path = "C:\\Glim\\"; }

    // The accesses logged since the last call, and the log emptied.
    fxsnd_log take() { return std::exchange(log, {}); }

    std::vector<access> stop_music() const {
        return {music.put(5, 11), host.events(), music.put(5, 1), host.events()};
    }
    std::vector<access> stop_effects() const {
        return {fx.put(25, 6), host.events(), fx.put(25, 7), host.events()};
    }
    std::vector<access> load(std::int32_t channel, const char* file) const {
        return {fx.put(30, channel), fx.put(31, false), fx.put(4, std::string("C:\\Glim\\") + file),
                fx.put(25, 2)};
    }
    // The file names of the tunes started, in order.
    std::vector<std::string> tunes_started(const fxsnd_log& l) const {
        std::vector<std::string> out;
        for (const access& a : l)
            if (a.control == "FXSnd2" && a.what == access::kind::put && a.property == 4)
                out.push_back(std::get<std::string>(a.value));
        return out;
    }
    // A clock value whose first draw after reseeding gives Int(r * 10 + 1) == wanted.
    std::int32_t clock_drawing(std::int32_t wanted) const {
        for (std::int32_t t = 0; t < 100000; ++t) {
            random_source r;
            r.seed(static_cast<std::uint32_t>(t));
            if (static_cast<std::int32_t>(r.next() * 10.0f) + 1 == wanted) return t;
        }
        ADD_FAILURE() << "no clock value draws " << wanted;
        return 0;
    }

    config_settings settings;
    random_source random;
    fxsnd_log log;
    recording_fxsnd fx{"FXSnd1", log};
    recording_fxsnd music{"FXSnd2", log};
    recording_sound_host host{log};
    sound_procedures snd{settings, random, fx, music, host};
};

fxsnd_log joined(std::initializer_list<std::vector<access>> parts) {
    fxsnd_log out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

TEST_F(sound_test, init_sound_stops_starts_and_loads_the_four_channels_in_order) {
    fxsnd_log expected = joined({stop_music(),
                                 stop_effects(),
                                 {fx.put(3, 2), fx.put(25, 1), fx.read(28)},
                                 load(1, "ovrinpd.wav"),
                                 load(2, "ovrinho.wav"),
                                 load(3, "ovrinht1.wav"),
                                 load(4, "ovrinht1.wav")});
    snd.init_sound();
    EXPECT_EQ(take(), expected);
    EXPECT_EQ(snd.music_busy, 0);
    EXPECT_EQ(settings.soundfx_on.as_number(), 1);
}

TEST_F(sound_test, do_soundfx_sets_only_what_is_not_zero) {
    snd.do_soundfx(1, 15000, -100);
    EXPECT_EQ(take(), (fxsnd_log{fx.put(30, 1), fx.put(25, 4), fx.put(35, -100), fx.put(33, 15000),
                                 fx.put(25, 3)}));
    // The new-ball sound: no rate.
    snd.do_soundfx(2, 0, -100);
    EXPECT_EQ(take(), (fxsnd_log{fx.put(30, 2), fx.put(25, 4), fx.put(35, -100), fx.put(25, 3)}));
    snd.do_soundfx(4, 16500, 0);
    EXPECT_EQ(take(), (fxsnd_log{fx.put(30, 4), fx.put(25, 4), fx.put(33, 16500), fx.put(25, 3)}));
}

TEST_F(sound_test, effects_off_touches_no_effects_control) {
    settings.soundfx_on = option_value::from_text("0");
    snd.init_sound();
    snd.do_soundfx(1, 15000, -100);
    for (const access& a : take()) EXPECT_NE(a.control, "FXSnd1") << a;
    // The state is still read each frame; a control never started reports 0.
    EXPECT_EQ(snd.effects_state(), 0);
}

TEST_F(sound_test, any_non_zero_option_is_on_but_only_exactly_1_stops) {
    settings.soundfx_on = option_value::from_text("2");
    settings.music_on = option_value::from_number(-1);
    snd.setup_music();
    snd.do_soundfx(3, 6500, -100);
    EXPECT_EQ(take().size(), 5u);
    snd.handle_music();
    EXPECT_EQ(tunes_started(take()).size(), 1u);
    snd.sound_off();
    EXPECT_TRUE(take().empty());
    // A text that reads as no number counts as 0.
    settings.soundfx_on = option_value::from_text("yes");
    snd.do_soundfx(1, 1, 1);
    EXPECT_TRUE(take().empty());
}

TEST_F(sound_test, effects_that_fail_to_start_stay_off_and_are_saved_off) {
    fx.open_result = 1;
    snd.init_sound();
    fxsnd_log l = take();
    ASSERT_FALSE(l.empty());
    EXPECT_EQ(l.back(), fx.read(28)) << "no channel may be loaded after a failed start";
    EXPECT_EQ(settings.soundfx_on, option_value::from_number(0));

    // For the rest of the run: no play, no stop, no new start.
    snd.do_soundfx(1, 10000, -100);
    snd.sound_off();
    snd.init_sound();
    for (const access& a : take()) EXPECT_NE(a.control, "FXSnd1") << a;

    struct map_store : settings_store {
        std::map<std::string, std::string> keys;
        std::string get_setting(const std::string&, const std::string&, const std::string& key,
                                const std::string& def) override {
            auto it = keys.find(key);
            return it == keys.end() ? def : it->second;
        }
        void save_setting(const std::string&, const std::string&, const std::string& key,
                          const std::string& value) override {
            keys[key] = value;
        }
    } store;
    save_settings(settings, store);
    EXPECT_EQ(store.keys["soundfx_on"], "0");
}

TEST_F(sound_test, open_result_is_read_as_a_rounded_16_bit_number) {
    struct row {
        double value;
        bool fails;
    };
    for (row r : {row{0, false}, row{-5, false}, row{0.5, false}, row{0.51, true}, row{1.5, true},
                  row{2.5, true}, row{1e9, true}, row{-1e9, false}}) {
        settings.soundfx_on = option_value::from_text("1");
        fx.open_result = r.value;
        snd.init_sound();
        EXPECT_EQ(settings.soundfx_on.as_number() == 0, r.fails) << r.value;
    }
}

TEST_F(sound_test, effects_state_reads_property_32) {
    for (auto [value, expected] : {std::pair{2.0, 2},
                                   {1.5, 2},
                                   {2.5, 2},
                                   {3.5, 4},
                                   {0.0, 0},
                                   {70000.0, 32767},
                                   {-70000.0, -32768}}) {
        fx.device_state = value;
        EXPECT_EQ(snd.effects_state(), expected) << value;
    }
    EXPECT_EQ(take().back(), fx.read(32));
}

TEST_F(sound_test, a_draw_of_10_starts_slot_1) {
    host.clock = clock_drawing(10);
    snd.init_sound();
    EXPECT_EQ(snd.tune_index, 10);
    take();
    snd.handle_music();
    EXPECT_EQ(take(), (fxsnd_log{music.put(4, "C:\\Glim\\ovrin2.mid")}));
    EXPECT_EQ(snd.tune_index, 1);
    EXPECT_EQ(snd.music_busy, 1);
}

TEST_F(sound_test, tunes_follow_the_list_and_wrap) {
    host.clock = clock_drawing(3);
    snd.init_sound();
    take();
    for (int i = 0; i < 12; ++i) {
        snd.handle_music();
        snd.handle_music();  // busy: nothing more
        music.fire_play_ended();
    }
    std::vector<std::string> expected;
    for (const char* f :
         {"ovrin4.mid", "ovrin5.mid", "ovrin6.mid", "ovrin7.mid", "ovrin8.mid", "ovrin9.mid",
          "ovrin10.mid", "ovrin2.mid", "ovrin1.mid", "ovrin3.mid", "ovrin4.mid", "ovrin5.mid"})
        expected.push_back(std::string("C:\\Glim\\") + f);
    EXPECT_EQ(tunes_started(take()), expected);
}

TEST_F(sound_test, music_off_starts_nothing_and_is_not_stopped) {
    settings.music_on = option_value::from_text("0");
    snd.init_sound();
    for (int i = 0; i < 5; ++i) snd.handle_music();
    snd.sound_off();
    for (const access& a : take()) EXPECT_NE(a.control, "FXSnd2") << a;
}

TEST_F(sound_test, handle_music_does_nothing_before_any_set_up) {
    snd.handle_music();
    EXPECT_TRUE(take().empty());
}

TEST_F(sound_test, a_tune_that_never_ends_blocks_the_next) {
    snd.init_sound();
    take();
    snd.handle_music();
    for (int i = 0; i < 50; ++i) snd.handle_music();
    EXPECT_EQ(tunes_started(take()).size(), 1u);
    EXPECT_EQ(snd.music_busy, 1);
}

TEST_F(sound_test, state_2_set_up_again_stops_the_tune_and_draws_a_new_start) {
    host.clock = clock_drawing(5);
    snd.init_sound();
    snd.handle_music();  // slot 6 plays
    take();
    fx.device_state = 2;
    ASSERT_EQ(snd.effects_state(), 2);
    take();
    host.clock = clock_drawing(8);
    snd.init_sound();  // what the frame end does on state 2
    fxsnd_log l = take();
    ASSERT_GE(l.size(), 8u);
    fxsnd_log head(l.begin(), l.begin() + 8);
    EXPECT_EQ(head, joined({stop_music(), stop_effects()}));
    EXPECT_EQ(l.back(), fx.put(25, 2)) << "the channels are loaded again";
    EXPECT_EQ(snd.music_busy, 0);
    snd.handle_music();
    EXPECT_EQ(tunes_started(take()), std::vector<std::string>{"C:\\Glim\\ovrin9.mid"});
}

TEST_F(sound_test, an_end_of_tune_during_the_stop_waits_is_harmless) {
    snd.init_sound();
    snd.handle_music();
    host.during_events = [&] { music.fire_play_ended(); };
    snd.init_sound();
    host.during_events = nullptr;
    EXPECT_EQ(snd.music_busy, 0);
    take();
    snd.handle_music();
    EXPECT_EQ(tunes_started(take()).size(), 1u);
}

TEST_F(sound_test, the_end_of_tune_handler_goes_with_the_procedures) {
    auto other = std::make_unique<sound_procedures>(settings, random, fx, music, host);
    other->music_busy = 1;
    music.fire_play_ended();
    EXPECT_EQ(other->music_busy, 0);
    other.reset();
    music.fire_play_ended();  // nobody listens any more; must not touch freed memory
}

}  // namespace
}  // namespace glim
