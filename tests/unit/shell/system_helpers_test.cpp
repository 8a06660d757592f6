#include "shell/system_helpers.h"

#include "platform/headless/fake_system.h"

#include <gtest/gtest.h>

using namespace glim;

namespace {
const std::string desktop = "Control Panel\\Desktop";
const std::string use_password = "ScreenSaveUsePassword";
}  // namespace

TEST(SaverFlags, SetThenClearMakeTheFourCallsWithThePreviousState) {
    fake_system sys;
    set_saver_running(sys);
    EXPECT_EQ(sys.saver_running, 1);
    EXPECT_EQ(sys.saver_active, 0);
    clear_saver_running(sys);
    EXPECT_EQ(sys.saver_running, 0);
    EXPECT_EQ(sys.saver_active, 1);
    // Arguments: action, uiParam, the value pvParam points at on entry, fWinIni.
    EXPECT_EQ(sys.calls, (std::vector<std::string>{
                             "system_parameters_info(97,4294967295,0,0)",
                             "system_parameters_info(17,0,0,0)", "system_parameters_info(97,0,0,0)",
                             "system_parameters_info(17,4294967295,1,1)",  // written to the profile
                         }));
}

TEST(SaverFlags, UpdateFlagsFollowWhatThePlatformReports) {
    fake_system sys;
    sys.spi_writes_previous = false;
    sys.saver_running = 1;
    clear_saver_running(sys);
    EXPECT_EQ(sys.calls.back(), "system_parameters_info(17,4294967295,0,0)");

    fake_system already;  // a saver already flagged as running: the second call's flags are 1
    already.saver_running = 1;
    set_saver_running(already);
    EXPECT_EQ(already.calls.back(), "system_parameters_info(17,0,1,1)");
}

TEST(Clock, TakesTheUnsignedCountBitForBit) {
    fake_system sys;
    sys.clock = 0xFFFFFFFFu;
    EXPECT_EQ(get_time(sys), -1);
    sys.clock = 0x80000000u;
    EXPECT_EQ(get_time(sys), INT32_MIN);
    sys.clock = 1234;
    EXPECT_EQ(get_time(sys), 1234);
}

TEST(Registry, RootsOutsideTheSevenMakeNoCall) {
    fake_system sys;
    sys.set_registry_string(hkey_current_user, desktop, use_password, "1");
    for (std::int32_t root : {static_cast<std::int32_t>(0x80000007u), 0, 1, 0x7FFFFFFF}) {
        EXPECT_EQ(get_registry_value(sys, root, desktop, use_password), "");
    }
    EXPECT_TRUE(sys.calls.empty());
    EXPECT_EQ(get_registry_value(sys, hkey_classes_root, desktop, use_password), "");
    EXPECT_EQ(get_registry_value(sys, hkey_dyn_data, desktop, use_password), "");
    EXPECT_EQ(sys.count("reg_open_key"), 2u);  // the ends of the range are accepted
}

TEST(Registry, AStringValueIsOpenedQueriedAndClosed) {
    fake_system sys;
    sys.set_registry_string(hkey_current_user, desktop, use_password, "1");
    EXPECT_EQ(get_registry_value(sys, hkey_current_user, desktop, use_password), "1");
    ASSERT_EQ(sys.calls.size(), 3u);
    EXPECT_EQ(sys.calls[0], "reg_open_key(-2147483647,Control Panel\\Desktop,0,131097)");
    EXPECT_EQ(sys.calls[1], "reg_query_value(256,ScreenSaveUsePassword,255)");
    EXPECT_EQ(sys.calls[2], "reg_close_key(256)");
    EXPECT_EQ(sys.open_keys(), 0u);
}

TEST(Registry, DwordsAreFormattedAsThreeDigitsAndCut) {
    fake_system sys;
    const std::pair<std::uint32_t, const char*> cases[] = {
        {5, "005"}, {0, "000"}, {555, "555"}, {1234, "123"}, {0xFFFFFFFFu, "429"}};
    for (auto [value, text] : cases) {
        sys.set_registry_dword(hkey_current_user, desktop, "v", value);
        EXPECT_EQ(get_registry_value(sys, hkey_current_user, desktop, "v"), text) << value;
    }
}

TEST(Registry, LengthLimitsAndFailures) {
    fake_system sys;
    sys.set_registry_string(hkey_current_user, desktop, "s254", std::string(254, 'q'));
    sys.set_registry_string(hkey_current_user, desktop, "s255", std::string(255, 'q'));
    sys.set_registry_value(hkey_current_user, desktop, "none", reg_type_sz, {});
    sys.set_registry_value(hkey_current_user, desktop, "bin", reg_type_binary, {'4', '2', 0x07});
    EXPECT_EQ(get_registry_value(sys, hkey_current_user, desktop, "s254"), std::string(254, 'q'));
    EXPECT_EQ(get_registry_value(sys, hkey_current_user, desktop, "s255"), "");
    EXPECT_EQ(get_registry_value(sys, hkey_current_user, desktop, "none"), "");  // size 0
    EXPECT_EQ(get_registry_value(sys, hkey_current_user, desktop, "bin"), "42");
    EXPECT_EQ(get_registry_value(sys, hkey_current_user, desktop, "missing"), "");
    EXPECT_EQ(sys.count("reg_close_key"), 5u);  // every opened key is closed, failure or not
    EXPECT_EQ(sys.open_keys(), 0u);
    sys.calls.clear();
    EXPECT_EQ(get_registry_value(sys, hkey_current_user, "No\\Such\\Key", "x"), "");
    EXPECT_EQ(sys.calls.size(), 1u);  // nothing to close when the open fails
}

TEST(Registry, PasswordOptionReadsTheValueAsANumber) {
    auto with = [](auto set) {
        fake_system sys;
        sys.add_registry_key(hkey_current_user, desktop);
        set(sys);
        return check_use_password(sys);
    };
    auto text = [&](const char* t) {
        return with([&](fake_system& s) {
            s.set_registry_string(hkey_current_user, desktop, use_password, t);
        });
    };
    auto dword = [&](std::uint32_t v) {
        return with([&](fake_system& s) {
            s.set_registry_dword(hkey_current_user, desktop, use_password, v);
        });
    };
    auto binary = [&](std::vector<std::uint8_t> d) {
        return with([&](fake_system& s) {
            s.set_registry_value(hkey_current_user, desktop, use_password, reg_type_binary, d);
        });
    };
    EXPECT_FALSE(with([](fake_system&) {}));  // value missing
    EXPECT_TRUE(text("1"));
    EXPECT_FALSE(text("0"));
    EXPECT_FALSE(text("on"));
    EXPECT_TRUE(dword(1));
    EXPECT_FALSE(dword(0));
    EXPECT_FALSE(binary({1, 0}));
    EXPECT_TRUE(binary({'7', '0', 0}));
}

TEST(Cursor, LoopsUntilTheCountCrossesZero) {
    fake_system sys;
    sys.cursor_count = -3;
    show_cursor(sys);
    EXPECT_EQ(sys.cursor_count, 0);
    EXPECT_EQ(sys.count("show_cursor_call"), 3u);
    sys.calls.clear();
    show_cursor(sys);  // already visible: still one call
    EXPECT_EQ(sys.calls, std::vector<std::string>{"show_cursor_call(1)"});

    sys.cursor_count = 2;
    sys.calls.clear();
    hide_cursor(sys);
    EXPECT_EQ(sys.cursor_count, -1);
    EXPECT_EQ(sys.calls, std::vector<std::string>(3, "show_cursor_call(0)"));
    sys.calls.clear();
    hide_cursor(sys);
    EXPECT_EQ(sys.cursor_count, -2);
    EXPECT_EQ(sys.calls.size(), 1u);
}

TEST(CenterForm, MovesToTheMiddleThenProcessesEventsOnce) {
    fake_system sys;  // 15360 x 11520 twips
    fake_form form(0, 0, 4000, 2001);
    int moves_seen_by_events = -1;
    sys.on_process_events = [&] { moves_seen_by_events = form.moves; };
    center_form(sys, form);
    EXPECT_FLOAT_EQ(form.left(), 5680);
    EXPECT_FLOAT_EQ(form.top(), 4759.5f);
    EXPECT_FLOAT_EQ(form.width(), 4000);
    EXPECT_EQ(moves_seen_by_events, 1);  // moved before the events run
    EXPECT_EQ(sys.count("process_events"), 1u);

    fake_form big(100, 100, 20000, 12000);
    center_form(sys, big);
    EXPECT_FLOAT_EQ(big.left(), -2320);
    EXPECT_FLOAT_EQ(big.top(), -240);
}

TEST(WaitMs, ProcessesEventsAtLeastOnceAndUntilTheTimeHasPassed) {
    fake_system sys;
    for (std::int32_t ms : {0, -5}) {
        sys.calls.clear();
        wait_ms(sys, ms);
        EXPECT_EQ(sys.count("process_events"), 1u) << ms;
    }
    // Each pass of events takes 1 ms.
    sys.on_process_events = [&] { sys.clock += 1; };
    sys.clock = 1000;
    sys.calls.clear();
    wait_ms(sys, 10);
    EXPECT_EQ(sys.clock, 1010u);
    EXPECT_EQ(sys.count("process_events"), 10u);
    // Across the clock's wrap and across the signed limit the wait is just as long.
    for (std::uint32_t start : {0xFFFFFFFAu, 0x7FFFFFFCu}) {
        sys.clock = start;
        wait_ms(sys, 10);
        EXPECT_EQ(sys.clock, start + 10) << start;
    }
}

TEST(CheckNotRunning, LooksForTheExactCaption) {
    fake_system sys;
    EXPECT_TRUE(check_not_running(sys, "screen saver running"));
    sys.windows["screen saver running"] = 0x1234;
    EXPECT_FALSE(check_not_running(sys, "screen saver running"));
    EXPECT_TRUE(check_not_running(sys, "Screen Saver Running"));
    EXPECT_EQ(sys.calls[0], "find_window(screen saver running)");
}

TEST(NumberFormat, TheLocalesMarksWithEnglishWhereItGivesNone) {
    fake_system sys;
    sys.locale_info = {{locale_sdecimal, ","}, {locale_sthousand, "."}};
    number_format f = user_number_format(sys);
    EXPECT_EQ(f.decimal, ",");
    EXPECT_EQ(f.grouping, ".");
    sys.locale_info.clear();  // the call fails
    f = user_number_format(sys);
    EXPECT_EQ(f.decimal, ".");
    EXPECT_EQ(f.grouping, ",");
    sys.locale_info = {{locale_sdecimal, "."}, {locale_sthousand, "."}};
    EXPECT_EQ(user_number_format(sys).grouping, "");
}

TEST(PathFits, OnlyPathsShorterThanThePlatformsLimit) {
    EXPECT_TRUE(path_fits(std::string(259, 'x')));
    EXPECT_FALSE(path_fits(std::string(260, 'x')));
}
