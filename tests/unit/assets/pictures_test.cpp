// The backdrop, the dialog pictures, the icons and the hand cursor, and the resource script
// that puts them into the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "asset_files.h"

using namespace glim::assets_check;

namespace {

picture bmp(const std::string& name) {
    auto p = read_bmp(read_bytes(source_path("resources/" + name)));
    return p ? *p : picture{};
}

icon_file icon(const std::string& name) {
    auto f = read_icon(read_bytes(source_path("resources/" + name)));
    return f ? *f : icon_file{};
}

int count(const picture& p, int x, int y, int w, int h, bool (*test)(rgb_pixel)) {
    int n = 0;
    for (rgb_pixel q : p.block(x, y, w, h)) n += test(q);
    return n;
}

bool is_blue(rgb_pixel p) {
    return p.b > 120 && p.b > p.r + 50;
}
bool is_red(rgb_pixel p) {
    return p.r > 120 && p.r > p.g + 60 && p.r > p.b + 60;
}
bool is_green(rgb_pixel p) {
    return p.g > 100 && p.g > p.r + 30 && p.g > p.b + 30;
}
bool is_white(rgb_pixel p) {
    return p.r > 200 && p.g > 200 && p.b > 200;
}
bool is_lit(rgb_pixel p) {
    return !p.black();
}

std::string text_of(const std::string& relative) {
    std::ifstream f(source_path(relative));
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

}  // namespace

TEST(Pictures, BackdropIsAFull640By480NightScene) {
    picture p = bmp("backdrop_picture.bmp");
    ASSERT_EQ(p.width, 640);
    ASSERT_EQ(p.height, 480);
    EXPECT_TRUE(p.bits == 8 || p.bits == 24);
    // a dark sky above, bright snow below
    long sky = 0, snow = 0;
    for (rgb_pixel q : p.block(0, 0, 640, 40)) sky += q.r + q.g + q.b;
    for (rgb_pixel q : p.block(0, 460, 640, 20)) snow += q.r + q.g + q.b;
    EXPECT_LT(sky / (640 * 40), 150);
    EXPECT_GT(snow / (640 * 20), 450);
}

TEST(Pictures, PreviewIsLevelOneInMiniature) {
    picture p = bmp("preview_picture.bmp");
    ASSERT_EQ(p.width, 150);
    ASSERT_EQ(p.height, 112);
    EXPECT_EQ(p.bits, 8);
    // an empty top band, then three rows of bricks with empty rows between them
    EXPECT_EQ(count(p, 0, 0, 150, 14, is_lit), 0);
    for (int y : {15, 29, 43}) {
        EXPECT_GT(count(p, 0, y, 150, 7, is_blue), 40) << "row at " << y;
        EXPECT_EQ(count(p, 0, y + 7, 150, 7, is_lit), y == 43 ? 16 : 0) << "gap under " << y;
    }
    // the first row starts with a bauble, the second with a cane
    EXPECT_GT(count(p, 3, 15, 8, 7, is_blue), 8);
    EXPECT_EQ(count(p, 3, 29, 8, 7, is_blue), 0);
    // the red ball just above the middle, the paddle's green bar at the bottom centre
    EXPECT_EQ(count(p, 73, 53, 4, 4, is_lit), 16);
    EXPECT_GT(count(p, 73, 53, 4, 4, is_red), 8);
    EXPECT_EQ(count(p, 73, 53, 4, 4, is_white), 1);
    EXPECT_GT(count(p, 60, 80, 30, 5, is_green), 30);
    EXPECT_EQ(count(p, 0, 60, 150, 20, is_lit), 0);
}

TEST(Pictures, WavingSantaIsRedAndWhiteOnBlack) {
    picture p = bmp("waving_santa.bmp");
    ASSERT_EQ(p.width, 84);
    ASSERT_EQ(p.height, 121);
    EXPECT_EQ(p.bits, 8);
    EXPECT_GT(count(p, 0, 0, 84, 121, is_red), 1500);
    EXPECT_GT(count(p, 0, 0, 84, 121, is_white), 400);
    for (auto [x, y] : {std::pair{0, 0}, {0, 120}, {83, 120}}) EXPECT_TRUE(p.at(x, y).black());
    // the raised hand sits higher on the right than anything on the left
    EXPECT_GT(count(p, 60, 10, 24, 25, is_white), 20);
    EXPECT_EQ(count(p, 0, 10, 20, 25, is_lit), 0);
}

TEST(Pictures, IconsHoldBothSizesIn16Colours) {
    for (std::string name : {"monitor.ico", "config.ico", "padlock.ico"}) {
        icon_file f = icon(name);
        ASSERT_EQ(f.kind, 1) << name;
        ASSERT_EQ(f.entries.size(), 2u) << name;
        std::set<int> sizes;
        for (const icon_entry& e : f.entries) {
            EXPECT_EQ(e.image.bits, 4) << name;
            EXPECT_EQ(e.image.width, e.image.height) << name;
            sizes.insert(e.image.width);
        }
        EXPECT_EQ(sizes, (std::set<int>{16, 32})) << name;
    }
}

TEST(Pictures, IconsShowWhatTheirDialogsNeed) {
    // the monitor stands free: the corners around it are transparent
    for (const icon_entry& e : icon("monitor.ico").entries) {
        int n = e.image.width - 1;
        EXPECT_TRUE(e.image.clear(0, n) && e.image.clear(n, n) && e.image.clear(0, 0));
    }
    // the brick game: rows of blue, red and green bricks and a white paddle on black
    for (const icon_entry& e : icon("config.ico").entries) {
        const picture& p = e.image;
        int w = p.width;
        EXPECT_GT(count(p, 0, 0, w, w * 5 / 8, is_blue), 4);
        EXPECT_GT(count(p, 0, 0, w, w * 5 / 8, is_red), 4);
        EXPECT_GT(count(p, 0, 0, w, w * 5 / 8, is_green), 4);
        EXPECT_GT(count(p, 0, w * 3 / 4, w, w / 4, is_white), 4);
        EXPECT_TRUE(
            std::none_of(p.transparent.begin(), p.transparent.end(), [](bool b) { return b; }));
    }
    // the padlock sits on an opaque grey tile
    for (const icon_entry& e : icon("padlock.ico").entries) {
        rgb_pixel corner = e.image.at(2, 2);
        EXPECT_TRUE(corner.r == corner.g && corner.g == corner.b && corner.r > 100);
        EXPECT_TRUE(std::none_of(e.image.transparent.begin(), e.image.transparent.end(),
                                 [](bool b) { return b; }));
    }
}

TEST(Pictures, HandCursorPointsWithItsFingertipAtTheHotSpot) {
    icon_file f = icon("hand_cursor.cur");
    ASSERT_EQ(f.kind, 2);
    ASSERT_EQ(f.entries.size(), 1u);
    const icon_entry& e = f.entries[0];
    EXPECT_EQ(e.image.width, 32);
    EXPECT_EQ(e.image.bits, 4);
    EXPECT_EQ(e.hot_x, 12);
    EXPECT_EQ(e.hot_y, 1);
    // the tip: drawn at the hot spot, with nothing above it in the whole top row
    EXPECT_FALSE(e.image.clear(12, 1));
    for (int x = 0; x < 32; ++x) EXPECT_TRUE(e.image.clear(x, 0)) << x;
    // a white hand with a blue cuff below it
    EXPECT_GT(count(e.image, 0, 0, 32, 22, is_white), 150);
    EXPECT_GT(count(e.image, 0, 22, 32, 10, is_blue), 20);
}

TEST(Pictures, ResourceScriptNamesEveryPictureOnce) {
    std::string rc = text_of("resources/glimbrook.rc");
    std::string ids = text_of("resources/resource_ids.h");
    std::map<std::string, int> numbers;
    std::regex define(R"(#define\s+(\w+)\s+(\d+))");
    for (std::sregex_iterator it(ids.begin(), ids.end(), define), end; it != end; ++it)
        numbers[(*it)[1]] = std::stoi((*it)[2]);
    std::regex entry(R"((\w+)\s+(ICON|BITMAP|CURSOR)\s+\"([^\"]+)\")");
    std::map<std::string, std::string> files;
    std::map<std::string, std::set<int>> used;
    int lowest_icon = 1 << 30;
    std::string first_icon;
    for (std::sregex_iterator it(rc.begin(), rc.end(), entry), end; it != end; ++it) {
        std::string id = (*it)[1], kind = (*it)[2], file = (*it)[3];
        ASSERT_TRUE(numbers.count(id)) << id << " has no number";
        EXPECT_TRUE(used[kind].insert(numbers[id]).second) << id << " shares its number";
        EXPECT_FALSE(read_bytes(source_path("resources/" + file)).empty()) << file;
        files[file] = kind;
        if (kind == "ICON" && numbers[id] < lowest_icon) {
            lowest_icon = numbers[id];
            first_icon = file;
        }
    }
    EXPECT_EQ(files.size(), 8u);
    EXPECT_EQ(files["sprite_sheet.bmp"], "BITMAP");
    EXPECT_EQ(files["hand_cursor.cur"], "CURSOR");
    // Windows shows the first icon for the program file: the monitor
    EXPECT_EQ(first_icon, "monitor.ico");
}
