#include "tools/sim/sim_field.h"

#include <charconv>

#include "engine/brick_field.h"
#include "levels/layout_text.h"
#include "levels/levels.h"
#include "platform/headless/bmp_file.h"
#include "platform/headless/headless_program.h"

namespace glim {

namespace {

bool read_level(std::string_view s, int& level) {
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), level);
    return ec == std::errc{} && end == s.data() + s.size() && level >= 1 && level <= 20;
}

int draw_field(int level, const std::string& image, bool test_sheet, const std::string& source,
               std::ostream& out, std::ostream& err) {
    headless_options o;
    o.screen_w = 640;
    o.screen_h = 480;
    o.pictures_from_files = !test_sheet;
    o.source_dir = source;
    headless_program h(o);
    h.p.game.level = level;
    setup_gamefield(h.p);
    if (!write_bmp(image, h.p.background_work)) {
        err << "glimbrook-sim: cannot write " << image << "\n";
        return 1;
    }
    out << "level " << level << ": " << h.p.game.bricks_total << " bricks, drawn on the "
        << (h.pictures == "files" ? "sprite sheet" : "test sheet") << ", written to " << image
        << "\n";
    return 0;
}

}  // namespace

bool is_field_option(std::string_view arg) {
    return arg == "--layout" || arg == "--field";
}

const char* field_usage() {
    return "  --layout N        print level N (1 to 20) as 15 lines of 20 characters: '.' empty,\n"
           "                    '1' to '9' and 'a' to 'i' the brick kinds 1 to 18\n"
           "  --field N --image FILE [--test-sheet] [--source DIR]\n"
           "                    draw the field of level N into FILE (a 24-bit .bmp), on the\n"
           "                    sprite sheet of DIR/resources (default: this source tree) when\n"
           "                    it is there, else (and with --test-sheet) on a test sheet\n";
}

int run_field_tool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    int layout = 0, field = 0;
    std::string image, source;
    bool test_sheet = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool has_value = i + 1 < args.size();
        if (a == "--layout" && has_value && read_level(args[i + 1], layout)) {
            ++i;
        } else if (a == "--field" && has_value && read_level(args[i + 1], field)) {
            ++i;
        } else if (a == "--image" && has_value) {
            image = args[++i];
        } else if (a == "--source" && has_value) {
            source = args[++i];
        } else if (a == "--test-sheet") {
            test_sheet = true;
        } else {
            err << "glimbrook-sim: cannot read '" << a << "'\n" << field_usage();
            return 2;
        }
    }
    if (layout != 0 && field == 0) {
        brick_grid_t g{};
        build_level(layout, g);
        out << format_layout(g);
        return 0;
    }
    if (field != 0 && layout == 0 && !image.empty())
        return draw_field(field, image, test_sheet, source, out, err);
    err << "glimbrook-sim: give --layout N, or --field N with --image FILE\n" << field_usage();
    return 2;
}

}  // namespace glim
