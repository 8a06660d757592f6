#include "platform/headless/headless_program.h"

#include <string_view>

#include "platform/headless/bmp_file.h"
#include "platform/headless/test_pictures.h"

namespace glim {

namespace {

// The repository this file was built from: its path less "platform/headless/<name>".
std::string built_source_dir() {
    std::string_view here = __FILE__;
    std::string_view tail = "platform/headless/headless_program.cpp";
    if (here.size() >= tail.size() && here.substr(here.size() - tail.size()) == tail)
        return std::string(here.substr(0, here.size() - tail.size()));
    return "./";
}

}  // namespace

void set_default_settings(config_settings& cfg) {
    static const char* const names[] = {"Santa", "Dasher", "Dancer", "Prancer", "Vixen",
                                        "Comet", "Cupid",  "Donder", "Blitzen", "Frosty"};
    cfg.app_path = "C:\\Glimbrook\\";
    for (int i = 1; i <= 10; ++i) {
        cfg.hiscore_name[i] = names[i - 1];
        cfg.hiscore_value[i] = 110 - 10 * i;
    }
    cfg.music_on = option_value::from_text("1");
    cfg.soundfx_on = option_value::from_text("1");
    cfg.speed = 2;
}

headless_program::headless_program(const headless_options& o)
    : window(o.screen_w, o.screen_h),
      p(platform_ports{window, system, system, cursor, name_prompt, settings, sound}) {
    set_default_settings(p.cfg);

    std::string dir = o.source_dir.empty() ? built_source_dir() : o.source_dir;
    if (!dir.empty() && dir.back() != '/') dir += '/';
    std::optional<surface> sheet, backdrop;
    if (o.pictures_from_files) {
        sheet = read_bmp(dir + "resources/sprite_sheet.bmp");
        backdrop = read_bmp(dir + "resources/backdrop_picture.bmp");
    }
    pictures = sheet ? "files" : "test";
    p.sprite = sheet ? std::move(*sheet) : make_test_sheet();
    p.background_main = backdrop ? std::move(*backdrop) : make_test_backdrop();

    // As the saver window's activation leaves them: the two field buffers sized like the
    // backdrop, the screen geometry, the backdrop stretched over the whole screen.
    p.background_work.resize(p.background_main.width(), p.background_main.height());
    p.background_copy.resize(p.background_main.width(), p.background_main.height());
    p.run.screen_w = o.screen_w;
    p.run.screen_h = o.screen_h;
    p.run.field_x = o.screen_w / 2.0 - 320;
    p.run.field_y = o.screen_h / 2.0 - 240;
    window.stretch(0, 0, o.screen_w, o.screen_h, p.background_main, 0, 0, 640, 480);
}

}  // namespace glim
