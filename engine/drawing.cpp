#include "engine/drawing.h"

#include <algorithm>

#include "engine/sprites.h"
#include "shell/numbers.h"

namespace glim {

namespace {

// A place used as a pixel position: rounded halves to even. Places far outside any picture are
// held within a range where the sums below cannot overflow; such a copy shows nothing anyway.
std::int32_t pixel_pos(double v) {
    if (!(v > -1e9)) return -1000000000;  // also NaN
    if (v > 1e9) return 1000000000;
    return round_even(v);
}

// The slots to visit: 1 to sprite_count, never beyond the table.
std::int32_t last_slot(const program& p) {
    return std::min(p.sprites.sprite_count, sprite_slots - 1);
}

}  // namespace

std::int32_t window_x(const program& p, double field_pos) {
    return pixel_pos(p.run.field_x + field_pos);
}

std::int32_t window_y(const program& p, double field_pos) {
    return pixel_pos(p.run.field_y + field_pos);
}

void blit_old_sprites(program& p) {
    sprite_table& s = p.sprites;
    for (std::int32_t slot = 1; slot <= last_slot(p); ++slot) {
        auto i = static_cast<std::size_t>(slot);
        if (s.sprite_active[i] == 0) continue;
        std::int32_t x = pixel_pos(s.sprite_x[i]), y = pixel_pos(s.sprite_y[i]);
        sprite_image_box box = slot_image_box(s, slot);
        p.background_work.blit(x, y, box.width, box.height, p.background_copy, x, y, srccopy);
        s.sprite_old_x[i] = x;
        s.sprite_old_y[i] = y;
    }
}

void blit_new_sprites(program& p) {
    const sprite_table& s = p.sprites;
    for (std::int32_t slot = 1; slot <= last_slot(p); ++slot) {
        auto i = static_cast<std::size_t>(slot);
        if (s.sprite_active[i] == 0) continue;
        std::int32_t x = pixel_pos(s.sprite_x[i]), y = pixel_pos(s.sprite_y[i]);
        sprite_image_box box = slot_image_box(s, slot);
        std::uint32_t op = s.sprite_transparent[i] != 0 ? srcpaint : srccopy;
        p.background_work.blit(x, y, box.width, box.height, p.sprite, box.sheet_x, box.sheet_y, op);
    }
}

void blit_flicker_free(program& p) {
    const sprite_table& s = p.sprites;
    game_state& g = p.game;
    for (std::int32_t slot = 1; slot <= last_slot(p); ++slot) {
        auto i = static_cast<std::size_t>(slot);
        if (s.sprite_active[i] == 0) continue;
        double sx = s.sprite_x[i], sy = s.sprite_y[i];
        std::int32_t x = pixel_pos(sx), y = pixel_pos(sy);
        sprite_image_box box = slot_image_box(s, slot);
        g.dirty_left = x;
        g.dirty_top = y;
        g.dirty_width = box.width;
        g.dirty_height = box.height;

        // From the old box to the far edge of the new one, one pixel more along a moving axis.
        // Moving right or down, the span is measured to the unrounded new place and then rounded.
        auto span = [](std::int32_t old_pos, double pos, std::int32_t rounded, std::int32_t size,
                       std::int32_t& start, std::int32_t& length) {
            if (old_pos < pos) {
                start = old_pos;
                length = pixel_pos((pos - old_pos) + 1 + size);
            } else if (old_pos > pos) {
                length = pixel_pos(static_cast<double>(old_pos) - rounded + 1 + size);
            }
        };
        span(s.sprite_old_x[i], sx, x, box.width, g.dirty_left, g.dirty_width);
        span(s.sprite_old_y[i], sy, y, box.height, g.dirty_top, g.dirty_height);

        p.window.blit(window_x(p, g.dirty_left), window_y(p, g.dirty_top), g.dirty_width,
                      g.dirty_height, p.background_work, g.dirty_left, g.dirty_top, srccopy);
    }
}

void blit_old_sprite(program& p, double x1) {
    auto slot = to_int32_checked(x1);
    if (!slot || *slot < 0 || *slot >= sprite_slots) return;
    const sprite_table& s = p.sprites;
    auto i = static_cast<std::size_t>(*slot);
    std::int32_t ox = s.sprite_old_x[i], oy = s.sprite_old_y[i];
    sprite_image_box box = slot_image_box(s, *slot);
    p.background_work.blit(ox, oy, box.width, box.height, p.background_copy, ox, oy, srccopy);
    p.window.blit(window_x(p, ox), window_y(p, oy), box.width, box.height, p.background_copy, ox,
                  oy, srccopy);
}

void draw_static(program& p, std::int32_t field_x, std::int32_t field_y, std::int32_t w,
                 std::int32_t h, std::int32_t sheet_x, std::int32_t sheet_y) {
    p.window.blit(window_x(p, field_x), window_y(p, field_y), w, h, p.sprite, sheet_x, sheet_y,
                  srccopy);
    p.background_copy.blit(field_x, field_y, w, h, p.sprite, sheet_x, sheet_y, srccopy);
    p.background_work.blit(field_x, field_y, w, h, p.sprite, sheet_x, sheet_y, srccopy);
}

}  // namespace glim
