#include "shell/startup.h"

#include "platform/headless/fake_system.h"
#include "platform/headless/memory_store.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace glim;

TEST(ModeSwitch, FirstTwoCharactersUpperCased) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "/C"},       {"/c", "/C"}, {"/C", "/C"},      {"/c:730", "/C"},
        {"/C 730", "/C"}, {"/s", "/S"}, {"/p 730", "/P"},  {"/a", "/A"},
        {"-s", "-S"},     {"/", "/"},   {"/x junk", "/X"}, {" /s", " /"}};
    for (auto [args, mode] : cases) EXPECT_EQ(mode_switch(args), mode) << args;
}

TEST(ReadHandle, NumberAfterTheSwitchRoundedHalvesToEven) {
    const std::pair<const char*, std::int32_t> cases[] = {{"/p 730", 730},
                                                          {"/P730", 730},
                                                          {"/p 7 30", 730},
                                                          {"/p:730", 0},
                                                          {"/p 730.5", 730},
                                                          {"/p 731.5", 732},
                                                          {"/p", 0},
                                                          {"", 0},
                                                          {"/p -12", -12},
                                                          {"/p 2147483647", 2147483647},
                                                          {"/p 2147483648", 0},
                                                          {"/p 1e30", 0},
                                                          {"/p -2147483649", 0}};
    for (auto [args, handle] : cases) EXPECT_EQ(read_handle(args), handle) << args;
}

namespace {
// Records the windows the start-up opens into the system's call log, so that the order of
// platform calls, settings reads and dispatch can be checked in one list.
struct recording_host : shell_host {
    fake_system& sys;
    run_state& run;
    bool running_when_shown = false;
    explicit recording_host(fake_system& s, run_state& r) : sys(s), run(r) {}
    void show_configuration() override { sys.calls.push_back("show_configuration"); }
    void show_screensaver() override {
        running_when_shown = run.running;
        sys.calls.push_back("show_screensaver");
    }
    void load_preview() override { sys.calls.push_back("load_preview"); }
    void show_new_password() override { sys.calls.push_back("show_new_password"); }
};

struct logging_store : memory_store {
    fake_system& sys;
    explicit logging_store(fake_system& s) : sys(s) {}
    std::string get_setting(const std::string& app, const std::string& section,
                            const std::string& key, const std::string& def) override {
        sys.calls.push_back("get_setting(" + key + ")");
        return memory_store::get_setting(app, section, key, def);
    }
};

struct Startup : ::testing::Test {
    fake_system sys;
    logging_store store{sys};
    config_settings config;
    run_state run;
    recording_host host{sys, run};

    Startup() { store.put("install_path", "C:\\Saver"); }
    void start(std::string_view args) { run_main(args, config, run, store, sys, host); }
    // The calls made after the settings were loaded.
    std::vector<std::string> dispatch_calls() const {
        auto last = std::find(sys.calls.rbegin(), sys.calls.rend(), "get_setting(misc)");
        return {last.base(), sys.calls.end()};
    }
};
}  // namespace

TEST_F(Startup, TwipsFirstThenSettingsThenTheMode) {
    sys.twips_x = 15;
    sys.twips_y = 12.5f;
    start("/c");
    ASSERT_GE(sys.calls.size(), 4u);
    EXPECT_EQ(sys.calls[0], "twips_per_pixel_x()");
    EXPECT_EQ(sys.calls[1], "twips_per_pixel_y()");
    EXPECT_EQ(sys.calls[2], "get_setting(install_path)");
    EXPECT_EQ(run.twips_x, 15);
    EXPECT_EQ(run.twips_y, 12);  // halves to even
    EXPECT_EQ(config.app_path, "C:\\Saver\\");
    EXPECT_EQ(dispatch_calls(), std::vector<std::string>{"show_configuration"});
}

TEST_F(Startup, ConfigurationForEmptyAndEveryCSwitchEvenBesideARunningSaver) {
    sys.windows[saver_caption] = 99;
    for (const char* args : {"", "/c", "/C", "/c:730", "/C 730"}) {
        sys.calls.clear();
        start(args);
        EXPECT_EQ(dispatch_calls(), std::vector<std::string>{"show_configuration"}) << args;
        EXPECT_FALSE(sys.ended);
    }
}

TEST_F(Startup, SaverRunWaitsOnEventsUntilRunningDropsThenEnds) {
    int passes = 0;
    sys.on_process_events = [&] {
        if (++passes == 3) run.running = false;  // the saver window unloads
    };
    EXPECT_THROW(start("/s"), program_ended);
    EXPECT_TRUE(host.running_when_shown);
    EXPECT_EQ(dispatch_calls(),
              (std::vector<std::string>{"find_window(screen saver running)", "show_screensaver",
                                        "process_events()", "process_events()", "process_events()",
                                        "end_program()"}));
}

TEST_F(Startup, SecondSaverRunDoesNothing) {
    sys.windows[saver_caption] = 0x42;
    start("/S");
    EXPECT_EQ(dispatch_calls(), std::vector<std::string>{"find_window(screen saver running)"});
    EXPECT_FALSE(run.running);
    EXPECT_FALSE(sys.ended);
    EXPECT_TRUE(sys.message_boxes.empty());
}

TEST_F(Startup, PreviewAndPasswordRecordTheHandle) {
    start("/p 731.5");
    EXPECT_EQ(run.parent_hwnd, 732);
    EXPECT_EQ(dispatch_calls(), std::vector<std::string>{"load_preview"});
    sys.calls.clear();
    start("/a 730");
    EXPECT_EQ(run.parent_hwnd, 730);
    EXPECT_EQ(dispatch_calls(), std::vector<std::string>{"show_new_password"});
    start("/P:730");
    EXPECT_EQ(run.parent_hwnd, 0);
}

TEST_F(Startup, UnknownSwitchLoadsSettingsAndOpensNothing) {
    for (const char* args : {"/x", "-s", " /s"}) {
        sys.calls.clear();
        start(args);
        EXPECT_TRUE(dispatch_calls().empty()) << args;
        EXPECT_EQ(sys.count("get_setting"), 25u);  // every setting was loaded
    }
    EXPECT_EQ(run.parent_hwnd, 0);
}

TEST_F(Startup, MissingFolderStopsEveryModeBeforeItsWindow) {
    store.erase("install_path");
    for (const char* args : {"", "/s", "/p 5", "/a", "/x"}) {
        sys.calls.clear();
        sys.message_boxes.clear();
        EXPECT_THROW(start(args), program_ended) << args;
        EXPECT_EQ(sys.message_boxes.size(), 1u);
        EXPECT_EQ(sys.calls.back(), "end_program()");
        EXPECT_EQ(sys.count("find_window"), 0u);
    }
    EXPECT_EQ(run.parent_hwnd, 0);
    EXPECT_FALSE(run.running);
}
