// The flicker-free drawing of the sprites: erase at the old places in background_work, draw at
// the new places, then copy one rectangle per sprite from background_work to the window.
#pragma once

#include "engine/program.h"

namespace glim {

// Erases every sprite in use from background_work and remembers where it was drawn.
void blit_old_sprites(program& p);
// Draws every sprite in use into background_work, later slots over earlier ones.
void blit_new_sprites(program& p);
// Copies, for every sprite in use, the rectangle of its old and new box to the window.
void blit_flicker_free(program& p);
// Erases slot x1 at its old box, in background_work and on the window, in use or not.
void blit_old_sprite(program& p, double x1);

// The window position of a field position: the field offset plus the place, halves to even.
std::int32_t window_x(const program& p, double field_pos);
std::int32_t window_y(const program& p, double field_pos);

// Copies a sheet rectangle to the window, background_copy and background_work at a field place:
// the static pictures of the field (cells, score digits, balls-left icons) go to all three.
void draw_static(program& p, std::int32_t field_x, std::int32_t field_y, std::int32_t w,
                 std::int32_t h, std::int32_t sheet_x, std::int32_t sheet_y);

}  // namespace glim
