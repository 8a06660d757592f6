#include "platform/headless/test_pictures.h"

#include <array>
#include <cmath>
#include <string>

namespace glim {

namespace {

// A 3 x 5 font for the digits, one row of three bits per line, top first.
constexpr std::array<std::array<std::uint8_t, 5>, 10> digit_font{{
    {7, 5, 5, 5, 7},
    {2, 6, 2, 2, 7},
    {7, 1, 7, 4, 7},
    {7, 1, 3, 1, 7},
    {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7},
    {7, 4, 7, 5, 7},
    {7, 1, 2, 2, 2},
    {7, 5, 7, 5, 7},
    {7, 5, 7, 1, 7},
}};

void draw_digit(surface& s, int x, int y, int d, int sx, int sy, pixel colour) {
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 3; ++c)
            if (digit_font[d][r] & (4 >> c)) s.fill_rect(x + c * sx, y + r * sy, sx, sy, colour);
}

pixel from_hue(double hue, double sat, double val) {
    double c = val * sat, h = std::fmod(hue, 360.0) / 60.0;
    double x = c * (1 - std::fabs(std::fmod(h, 2.0) - 1));
    double r = 0, g = 0, b = 0;
    if (h < 1)
        r = c, g = x;
    else if (h < 2)
        r = x, g = c;
    else if (h < 3)
        g = c, b = x;
    else if (h < 4)
        g = x, b = c;
    else if (h < 5)
        r = x, b = c;
    else
        r = c, b = x;
    double m = val - c;
    auto ch = [m](double v) { return static_cast<std::uint8_t>(std::lround((v + m) * 255)); };
    return rgb(ch(r), ch(g), ch(b));
}

pixel shade(pixel p, double f) {
    auto ch = [f](std::uint8_t v) {
        return static_cast<std::uint8_t>(std::lround(std::fmin(255.0, v * f)));
    };
    return rgb(ch(red_of(p)), ch(green_of(p)), ch(blue_of(p)));
}

void draw_disc(surface& s, double cx, double cy, double radius, pixel colour) {
    for (int y = static_cast<int>(cy - radius - 1); y <= cy + radius + 1; ++y)
        for (int x = static_cast<int>(cx - radius - 1); x <= cx + radius + 1; ++x)
            if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius) s.set(x, y, colour);
}

// A figure holding the green bar over its head; the legs tell the four walking frames apart.
void draw_paddle(surface& s, int k) {
    int x0 = 89 * k;
    s.fill_rect(x0, 0, 89, 11, rgb(40, 170, 70));         // the bar: all 89 columns, rows 0-10
    s.fill_rect(x0, 0, 89, 2, rgb(120, 230, 140));        // its lit top edge
    s.fill_rect(x0 + 20, 11, 5, 30, rgb(230, 200, 170));  // arms up to the bar
    s.fill_rect(x0 + 64, 11, 5, 30, rgb(230, 200, 170));
    draw_disc(s, x0 + 44, 38, 11, rgb(240, 210, 180));   // head
    s.fill_rect(x0 + 32, 22, 25, 8, rgb(200, 30, 40));   // cap
    s.fill_rect(x0 + 26, 50, 37, 45, rgb(200, 30, 40));  // coat
    s.fill_rect(x0 + 26, 70, 37, 5, rgb(30, 30, 30));    // belt
    int stride = (k % 2 == 0) ? 6 : -6;
    int lean = (k < 2) ? 3 : -3;
    s.fill_rect(x0 + 30 + stride + lean, 95, 9, 28, rgb(60, 40, 30));
    s.fill_rect(x0 + 50 - stride + lean, 95, 9, 28, rgb(60, 40, 30));
}

}  // namespace

surface make_test_sheet() {
    surface s(640, 165);
    for (int k = 0; k < 4; ++k) draw_paddle(s, k);

    // The ball: red on black, 14 x 14 at (370, 0).
    draw_disc(s, 370 + 6.5, 6.5, 6.2, rgb(220, 30, 30));
    draw_disc(s, 370 + 4.5, 4.5, 1.5, rgb(255, 170, 170));

    // (384, 0) stays black: the blank image, the blank icon and the empty tile.

    // Sparkle frames at (370 + 16k, 30), 15 x 17: a white cross shrinking to a dot. Its first two
    // rows stay black, since the empty tile's square reaches into them.
    for (int k = 0; k < 5; ++k) {
        int cx = 370 + 16 * k + 7, cy = 30 + 9;
        int arm = 6 - k - (k == 4 ? 1 : 0);
        for (int i = -arm; i <= arm; ++i) {
            s.set(cx + i, cy, rgb(255, 255, 255));
            s.set(cx, cy + i, rgb(255, 255, 255));
        }
    }

    // Score digits at (370 + 16d, 61), 16 x 14.
    for (int d = 0; d < 10; ++d)
        draw_digit(s, 370 + 16 * d + 3, 61 + 2, d, 3, 2, rgb(255, 230, 120));

    // Brick tiles at (32k, 128): each in its own hue, lit from the top left, with its number.
    for (int k = 0; k < 20; ++k) {
        pixel base = from_hue(k * 18.0, 0.65, 0.9);
        int x0 = 32 * k, y0 = 128;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                double f = 1.25 - (x + y) / 124.0;
                pixel p = shade(base, f);
                if (x == 0 || y == 0) p = shade(base, 1.5);
                if (x == 31 || y == 31) p = shade(base, 0.45);
                s.set(x0 + x, y0 + y, p | 0x010101);  // never pure black
            }
        std::string n = std::to_string(k);
        int tx = x0 + 16 - static_cast<int>(n.size()) * 4 + 1;
        for (char c : n) {
            draw_digit(s, tx, y0 + 11, c - '0', 2, 2, rgb(20, 20, 30));
            tx += 8;
        }
    }
    return s;
}

surface make_test_backdrop() {
    surface s(640, 480);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            auto b = static_cast<std::uint8_t>(40 + y * 80 / 480);
            pixel p = rgb(8, 12, b);
            if (x % 64 == 0 || y % 64 == 0) p = rgb(30, 40, static_cast<std::uint8_t>(b + 30));
            s.set(x, y, p);
        }
    return s;
}

}  // namespace glim
