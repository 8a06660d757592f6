#include "shell/settings.h"

#include "platform/headless/fake_system.h"
#include "platform/headless/memory_store.h"
#include "shell/password.h"

#include <gtest/gtest.h>

using namespace glim;

namespace {
struct Settings : ::testing::Test {
    memory_store store;
    fake_system sys;
    config_settings config;

    void load() { load_settings(config, store, sys); }
    std::string stored(const std::string& key) { return store.get(key).value_or("<missing>"); }
};

const char* const names[] = {"Santa", "Dasher", "Dancer", "Prancer", "Vixen",
                             "Comet", "Cupid",  "Donder", "Blitzen", "Frosty"};
}  // namespace

TEST_F(Settings, OnlyTheFolderStoredGivesEveryDefault) {
    store.put("install_path", "C:\\Saver");
    load();
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(config.hiscore_name[k], names[k - 1]);
        EXPECT_EQ(config.hiscore_value[k], 110 - 10 * k);
    }
    EXPECT_EQ(config.music_on, option_value::from_text("1"));
    EXPECT_EQ(config.soundfx_on, option_value::from_text("1"));
    EXPECT_EQ(config.speed, 2);
    EXPECT_EQ(config.misc, "");
    EXPECT_EQ(config.password, "");
    EXPECT_TRUE(sys.message_boxes.empty());
    EXPECT_TRUE(store.writes.empty());  // loading never writes
}

TEST_F(Settings, KeysAreReadInOrderWithTheirDefaults) {
    store.put("install_path", "x");
    load();
    std::vector<std::pair<std::string, std::string>> expected = {{"install_path", "empty"}};
    for (int k = 1; k <= 10; ++k) expected.push_back({"name" + std::to_string(k), names[k - 1]});
    for (int k = 1; k <= 10; ++k)
        expected.push_back({"sc" + std::to_string(k), std::to_string(110 - 10 * k)});
    expected.insert(expected.end(),
                    {{"music_on", "1"}, {"soundfx_on", "1"}, {"speed", "2"}, {"misc", ""}});
    ASSERT_EQ(store.reads.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(store.reads[i].app, "Tarvo Glimbrook Screen Saver");
        EXPECT_EQ(store.reads[i].section, "Config");
        EXPECT_EQ(store.reads[i].key, expected[i].first);
        EXPECT_EQ(store.reads[i].value, expected[i].second);
    }
}

TEST_F(Settings, InstallationFolderGetsOneTrailingBackslash) {
    const std::pair<const char*, const char*> cases[] = {{"C:\\Saver", "C:\\Saver\\"},
                                                         {"C:\\Saver\\", "C:\\Saver\\"},
                                                         {"", "\\"},
                                                         {"Empty", "Empty\\"}};
    for (auto [in, out] : cases) {
        store.put("install_path", in);
        load();
        EXPECT_EQ(config.app_path, out);
    }
    EXPECT_TRUE(sys.message_boxes.empty());
}

TEST_F(Settings, MissingFolderShowsTheMessageAndEndsBeforeReadingMore) {
    for (bool stored_as_text : {false, true}) {
        if (stored_as_text) store.put("install_path", "empty");
        store.reads.clear();
        sys.message_boxes.clear();
        sys.calls.clear();
        EXPECT_THROW(load(), program_ended);
        ASSERT_EQ(sys.message_boxes.size(), 1u);
        EXPECT_EQ(sys.message_boxes[0].title, "Tarvo Screen Saver");
        EXPECT_EQ(sys.message_boxes[0].style, 0u);
        const std::string& text = sys.message_boxes[0].text;
        EXPECT_EQ(text.find('\n'), std::string::npos);
        EXPECT_EQ(text.rfind("Program Error!\r<Installation Path Not Found!>\r"
                             "Please remove this program and then install it again.\r\r"
                             "If the problem continues please contact Tarvo Software at:\r",
                             0),
                  0u);
        EXPECT_GT(text.find('@'), text.rfind('\r'));  // the address is the last line
        EXPECT_EQ(sys.calls.back(), "end_program()");
        EXPECT_EQ(store.reads.size(), 1u);
    }
}

TEST_F(Settings, StoredNumbersRoundHalvesToEven) {
    store.put("install_path", "x");
    store.put("sc3", "85.5");
    store.put("sc4", "84.5");
    store.put("sc5", "085");
    store.put("sc6", "1,000");  // grouped in the user's (here English) format
    store.put("speed", "7");
    load();
    EXPECT_EQ(config.hiscore_value[3], 86);
    EXPECT_EQ(config.hiscore_value[4], 84);
    EXPECT_EQ(config.hiscore_value[5], 85);
    EXPECT_EQ(config.hiscore_value[6], 1000);
    EXPECT_EQ(config.speed, 7);  // no range check
    save_settings(config, store);
    EXPECT_EQ(stored("sc5"), "85");
    EXPECT_EQ(stored("sc3"), "86");
    EXPECT_EQ(stored("sc6"), "1000");  // written back without marks

    sys.locale_info = {{locale_sdecimal, ","}, {locale_sthousand, "."}};
    store.put("sc3", "85,5");
    store.put("sc4", "1.000");
    load();
    EXPECT_EQ(config.hiscore_value[3], 86);
    EXPECT_EQ(config.hiscore_value[4], 1000);
}

TEST_F(Settings, UnreadableNumbersKeepTheProgramUsable) {
    store.put("install_path", "x");
    store.put("sc1", "abc");          // no number: default
    store.put("sc2", "");             // empty: default
    store.put("sc3", "99999999999");  // beyond 32 bits: default
    store.put("sc4", "-3000000000");
    store.put("sc5", "12abc");  // the number it begins with
    store.put("sc6", " -5");
    store.put("sc7", "0");  // a real zero stays zero
    store.put("speed", "fast");
    load();
    EXPECT_EQ(config.hiscore_value[1], 100);
    EXPECT_EQ(config.hiscore_value[2], 90);
    EXPECT_EQ(config.hiscore_value[3], 80);
    EXPECT_EQ(config.hiscore_value[4], 70);
    EXPECT_EQ(config.hiscore_value[5], 12);
    EXPECT_EQ(config.hiscore_value[6], -5);
    EXPECT_EQ(config.hiscore_value[7], 0);
    EXPECT_EQ(config.speed, 2);
}

TEST_F(Settings, SaveWritesEveryKeyButTheFolderInOrder) {
    store.put("install_path", "x");
    load();
    config.hiscore_name[2] = "Ann";
    config.hiscore_value[2] = -7;
    config.music_on = option_value::from_number(0);
    config.speed = 3;
    config.password = "A";
    save_settings(config, store);
    std::vector<std::string> keys;
    for (const auto& w : store.writes) {
        EXPECT_EQ(w.app, "Tarvo Glimbrook Screen Saver");
        EXPECT_EQ(w.section, "Config");
        keys.push_back(w.key);
    }
    std::vector<std::string> expected;
    for (int k = 1; k <= 10; ++k) expected.push_back("name" + std::to_string(k));
    for (int k = 1; k <= 10; ++k) expected.push_back("sc" + std::to_string(k));
    expected.insert(expected.end(), {"music_on", "soundfx_on", "speed", "misc"});
    EXPECT_EQ(keys, expected);
    EXPECT_EQ(stored("name2"), "Ann");
    EXPECT_EQ(stored("sc2"), "-7");
    EXPECT_EQ(stored("music_on"), "0");
    EXPECT_EQ(stored("soundfx_on"), "1");
    EXPECT_EQ(stored("speed"), "3");
    EXPECT_EQ(stored("misc"), "xe");  // recomputed from the password
    EXPECT_EQ(stored("install_path"), "x");
}

TEST_F(Settings, LoadThenSaveWritesBackTheSameTexts) {
    config_settings scrambler;
    scrambler.password = "Secret 1!";
    scramble_password(scrambler);
    store.put("install_path", "D:\\Apps");
    store.put("name1", "  Zoë & co ");
    store.put("name10", "");
    store.put("sc1", "99999");
    store.put("music_on", "yes");
    store.put("soundfx_on", "0");
    store.put("speed", "1");
    store.put("misc", scrambler.misc);
    memory_store before = store;
    load();
    EXPECT_EQ(config.password, "Secret 1!");
    EXPECT_EQ(config.music_on.to_text(), "yes");
    save_settings(config, store);
    for (const auto& w : store.writes)
        EXPECT_EQ(before.get(w.key).value_or(w.value), w.value) << w.key;
    EXPECT_EQ(store.size(), 25u);  // install_path and the 24 written keys, nothing else
}

TEST_F(Settings, NewPasswordWritesOnlyMisc) {
    store_new_password(config, store, "A");
    EXPECT_EQ(config.password, "A");
    EXPECT_EQ(config.misc, "xe");
    ASSERT_EQ(store.writes.size(), 1u);
    EXPECT_EQ(store.writes[0].key, "misc");
    EXPECT_EQ(store.writes[0].value, "xe");
    store_new_password(config, store, "");
    EXPECT_EQ(stored("misc"), "");
}
