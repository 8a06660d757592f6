#include "dialogs/rules/configuration.h"

#include "dialogs/rules/hover.h"
#include "platform/headless/fake_system.h"
#include "platform/headless/memory_store.h"
#include "shell/settings.h"

#include <gtest/gtest.h>

#include <string>

using namespace glim;

TEST(ConfigurationChecks, StoredTextsAndNumbers) {
    EXPECT_EQ(check_state_for(option_value::from_text("1")), 1);
    EXPECT_EQ(check_state_for(option_value::from_text("0")), 0);
    EXPECT_EQ(check_state_for(option_value::from_number(1)), 1);
    EXPECT_EQ(check_state_for(option_value::from_number(0)), 0);
    // Values the program never writes itself.
    EXPECT_EQ(check_state_for(option_value::from_text("2")), 1);
    EXPECT_EQ(check_state_for(option_value::from_text("-1")), 1);
    EXPECT_EQ(check_state_for(option_value::from_text("1e12")), 1);
    EXPECT_EQ(check_state_for(option_value::from_text("0.4")), 0);
    EXPECT_EQ(check_state_for(option_value::from_text("yes")), 0);
    EXPECT_EQ(check_state_for(option_value::from_text("")), 0);
}

TEST(ConfigurationSpeed, OnlyOneToThreeSelectAButton) {
    EXPECT_EQ(option_for_speed(1), 1);
    EXPECT_EQ(option_for_speed(2), 2);
    EXPECT_EQ(option_for_speed(3), 3);
    EXPECT_EQ(option_for_speed(0), 0);
    EXPECT_EQ(option_for_speed(4), 0);
    EXPECT_EQ(option_for_speed(-2), 0);
}

namespace {

// A dialog session without its window: load, show, let the user change things, close.
struct ConfigurationSession : ::testing::Test {
    memory_store store;
    fake_system sys;
    config_settings config;
    int check1 = 0, check2 = 0;
    bool option[4] = {};

    void open() {
        load_settings(config, store, sys);
        check1 = check_state_for(config.music_on);
        check2 = check_state_for(config.soundfx_on);
        select(option_for_speed(config.speed));
    }
    void select(int o) {
        for (int i = 1; i <= 3; ++i) option[i] = (i == o);
    }
    void close() {
        apply_configuration(config, check1, check2, option[1], option[2], option[3]);
        save_settings(config, store);
    }
    std::string stored(const std::string& key) { return store.get(key).value_or("<missing>"); }

    void SetUp() override { store.put("install_path", "C:\\Saver\\"); }
};

}  // namespace

TEST_F(ConfigurationSession, SpeedOutsideTheButtonsIsKeptUnlessOneIsChosen) {
    for (const char* speed : {"0", "4", "-7"}) {
        SCOPED_TRACE(speed);
        store.put("speed", speed);
        open();
        EXPECT_FALSE(option[1] || option[2] || option[3]);
        close();
        EXPECT_EQ(stored("speed"), speed);
    }
    open();
    select(2);
    close();
    EXPECT_EQ(stored("speed"), "2");
}

TEST_F(ConfigurationSession, UnusualStoredOptionsBecomeZeroOrOne) {
    store.put("music_on", "2");
    store.put("soundfx_on", "off");
    open();
    EXPECT_EQ(check1, 1);
    EXPECT_EQ(check2, 0);
    close();
    EXPECT_EQ(stored("music_on"), "1");
    EXPECT_EQ(stored("soundfx_on"), "0");
}

TEST(ConfigurationLayout, HandCursorAndTooltipsOnTheControlsThatAct) {
    int hands = 0;
    for (const auto& c : configuration_controls) {
        bool title = std::string(c.name) == "Label1" && c.index != 2;
        bool acts = find_hover_target(c.name, c.index) != nullptr;
        std::string name = std::string(c.name) + std::to_string(c.index);
        EXPECT_EQ(c.hand_cursor, acts || std::string(c.name) == "Image1") << name;
        EXPECT_EQ(c.tooltip != nullptr, acts) << name;
        hands += c.hand_cursor;
        EXPECT_EQ(c.transparent, title || c.kind == config_kind::shape) << name;
        // Every control lies inside the client area but the hidden frame and the title lines,
        // whose boxes run a little past the right edge.
        if (c.kind != config_kind::shape && !title) {
            EXPECT_LE(c.left + c.width, configuration_client_width) << name;
            EXPECT_LE(c.top + c.height, configuration_client_height) << name;
        }
    }
    EXPECT_EQ(hands, 13);
}
