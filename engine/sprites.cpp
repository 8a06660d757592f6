#include "engine/sprites.h"

#include "shell/numbers.h"

namespace glim {

namespace {

bool valid_slot(std::int32_t slot) {
    return slot >= 0 && slot < sprite_slots;
}

// Slot numbers arrive as numbers and are rounded; anything beyond the table is no slot at all.
std::int32_t slot_number(double x) {
    auto n = to_int32_checked(x);
    return n && valid_slot(*n) ? *n : -1;
}

// The images of the table: sheet place and size of images 1 to 11.
constexpr std::int32_t paddle_w = 89, paddle_h = 125;
constexpr std::int32_t ball_image = 5;
constexpr std::int32_t first_sparkle_image = 6;
constexpr std::int32_t blank_image = 11;
constexpr std::int32_t sparkle_w = 15, sparkle_h = 17;

}  // namespace

sprite_image_box image_box(const sprite_table& s, std::int32_t image) {
    if (image < 0 || image >= image_rows) return {};
    const auto& row = s.sprite_def[static_cast<std::size_t>(image)];
    return {row[sprite_table::sheet_x], row[sprite_table::sheet_y], row[sprite_table::image_width],
            row[sprite_table::image_height]};
}

sprite_image_box slot_image_box(const sprite_table& s, std::int32_t slot) {
    if (!valid_slot(slot)) return {};
    return image_box(s, s.sprite_image[static_cast<std::size_t>(slot)]);
}

void init_sprites(program& p) {
    sprite_table& s = p.sprites;
    s.field_right = 639;
    s.field_left = 0;

    auto def = [&s](std::int32_t image, std::int32_t x, std::int32_t y, std::int32_t w,
                    std::int32_t h) {
        auto& row = s.sprite_def[static_cast<std::size_t>(image)];
        row[sprite_table::sheet_x] = x;
        row[sprite_table::sheet_y] = y;
        row[sprite_table::image_width] = w;
        row[sprite_table::image_height] = h;
    };
    for (std::int32_t image = 1; image <= 4; ++image)
        def(image, paddle_w * (image - 1), 0, paddle_w, paddle_h);
    def(ball_image, 370, 0, 14, 14);
    for (std::int32_t image = first_sparkle_image; image <= 10; ++image)
        def(image, 370 + 16 * (image - first_sparkle_image), 30, sparkle_w, sparkle_h);
    def(blank_image, 384, 0, sparkle_w, sparkle_h);

    // Animation n: each sparkle frame for n steps, the blank for one, then the end marker.
    for (std::int32_t n = 1; n <= 10; ++n) {
        auto& row = s.anim_table[static_cast<std::size_t>(n)];
        for (std::int32_t step = 1; step <= 5 * n; ++step)
            row[static_cast<std::size_t>(step)] = first_sparkle_image + (step - 1) / n;
        row[static_cast<std::size_t>(5 * n + 1)] = blank_image;
        row[static_cast<std::size_t>(5 * n + 2)] = -1;
    }

    s.sprite_count = 10;
    for (std::int32_t slot = 1; slot <= 10; ++slot) {
        auto i = static_cast<std::size_t>(slot);
        s.sprite_transparent[i] = 0;
        if (slot >= first_effect_slot && slot <= last_effect_slot) {
            s.sprite_transparent[i] = 1;
            s.sprite_anim_end[i] = 1;
        }
        sprite_off(p, slot);
    }

    s.sprite_image[paddle_slot] = 1;
    sprite_image_box paddle = image_box(s, 1);
    s.sprite_x[paddle_slot] = 320 - paddle.width / 2.0;  // 275.5, kept with its half
    s.sprite_y[paddle_slot] = field_height - paddle.height;
    s.sprite_active[paddle_slot] = 1;

    p.game.paddle_last_x = -1;
    p.game.paddle_anim_phase = 0;
    p.game.paddle_anim_count = 0;
}

void anim_sprites(program& p) {
    sprite_table& s = p.sprites;
    for (std::int32_t slot = 1; slot <= s.sprite_count && slot < sprite_slots; ++slot) {
        auto i = static_cast<std::size_t>(slot);
        if (s.sprite_active[i] == 0 || s.sprite_anim[i] == 0) continue;
        // An animation or step beyond the table never occurs; treat it as reaching the end
        // marker rather than reading outside the table.
        auto entry = [&s](std::int32_t anim, std::int32_t step) -> std::int32_t {
            if (anim < 0 || anim >= anim_rows || step < 0 || step >= anim_steps) return -1;
            return s.anim_table[static_cast<std::size_t>(anim)][static_cast<std::size_t>(step)];
        };
        s.sprite_anim_step[i] += 1;
        if (entry(s.sprite_anim[i], s.sprite_anim_step[i]) == -1) {
            switch (s.sprite_anim_end[i]) {
            case 0: s.sprite_anim_step[i] = 1; break;
            case 2: s.sprite_anim[i] = 0; break;
            default:  // 1, and any value that never occurs: the sparkle is done
                s.sprite_anim_step[i] = 0;
                sprite_off(p, slot);
                continue;
            }
        }
        std::int32_t image = entry(s.sprite_anim[i], s.sprite_anim_step[i]);
        // A restarted animation whose first step is already the end marker shows nothing.
        s.sprite_image[i] = image < 0 ? 0 : image;
    }
}

void sprite_off(program& p, double x) {
    std::int32_t slot = slot_number(x);
    if (slot < 0) return;
    auto i = static_cast<std::size_t>(slot);
    p.sprites.sprite_active[i] = 0;
    p.sprites.sprite_anim[i] = 0;
    p.sprites.sprite_anim_step[i] = 0;
}

std::int32_t sprite_collide(const program& p, double a, double b) {
    std::int32_t sa = slot_number(a), sb = slot_number(b);
    if (sa < 0 || sb < 0) return 0;
    const sprite_table& s = p.sprites;
    auto ia = static_cast<std::size_t>(sa), ib = static_cast<std::size_t>(sb);
    if (s.sprite_active[ia] != 1 || s.sprite_active[ib] != 1) return 0;
    double xa = s.sprite_x[ia], ya = s.sprite_y[ia], xb = s.sprite_x[ib], yb = s.sprite_y[ib];
    sprite_image_box ba = slot_image_box(s, sa), bb = slot_image_box(s, sb);
    if (ya > yb + bb.height) return 0;
    if (ya + ba.height < yb) return 0;
    if (xa > xb + bb.width) return 0;
    if (xa + ba.width < xb) return 0;
    return 1;
}

std::int32_t collide(double a1, double a2, double a3, double a4, double b1, double b2, double b3,
                     double b4) {
    if (a2 > b4) return 0;
    if (a4 < b2) return 0;
    if (a1 > b3) return 0;
    if (a3 < b1) return 0;
    return 1;
}

void check_vertical(program& p, double x) {
    std::int32_t slot = slot_number(x);
    if (slot < 0) return;
    auto i = static_cast<std::size_t>(slot);
    double& y = p.sprites.sprite_y[i];
    if (y < 0) y = 0;
    std::int32_t h = slot_image_box(p.sprites, slot).height;
    if (y + h > p.run.screen_h) y = p.run.screen_h - h;
}

}  // namespace glim
