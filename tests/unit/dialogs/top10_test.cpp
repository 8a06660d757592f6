#include "dialogs/rules/top10.h"

#include "platform/headless/fake_system.h"
#include "platform/headless/memory_store.h"
#include "shell/settings.h"

#include <gtest/gtest.h>

#include <climits>

using namespace glim;

TEST(Top10, ScoresAreDecimalWithoutPaddingOrSeparators) {
    EXPECT_EQ(score_text(100), "100");
    EXPECT_EQ(score_text(0), "0");
    EXPECT_EQ(score_text(99999), "99999");
    EXPECT_EQ(score_text(-40), "-40");
    EXPECT_EQ(score_text(INT32_MIN), "-2147483648");
    EXPECT_EQ(place_text(0), "1)");
    EXPECT_EQ(place_text(9), "10)");
}

TEST(Top10, RowsFollowThePlacesOfTheLoadedTable) {
    memory_store store;
    fake_system sys;
    config_settings config;
    store.put("install_path", "C:\\Saver\\");
    store.put("name4", "");
    store.put("sc4", "55");
    store.put("name5", "Ann");
    store.put("sc5", "55");
    load_settings(config, store, sys);
    config.hiscore_name[0] = "no place";
    config.hiscore_value[0] = 12345;

    auto rows = top10_rows(config);
    const char* names[] = {"Santa", "Dasher", "Dancer", "",        "Ann",
                           "Comet", "Cupid",  "Donder", "Blitzen", "Frosty"};
    const char* scores[] = {"100", "90", "80", "55", "55", "50", "40", "30", "20", "10"};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(rows[i].name, names[i]) << i;
        EXPECT_EQ(rows[i].score, scores[i]) << i;
    }
    // Showing reads and never writes.
    EXPECT_TRUE(store.writes.empty());
}
