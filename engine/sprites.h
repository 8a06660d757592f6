// The sprite table's operations: building the image and animation tables, stepping the sparkle
// animations, freeing a slot, and the box tests that the game keeps but does not call.
#pragma once

#include <cstdint>

#include "engine/program.h"

namespace glim {

// One row of sprite_def; a row outside the table reads as image 0 (0 x 0, draws nothing).
struct sprite_image_box {
    std::int32_t sheet_x = 0, sheet_y = 0, width = 0, height = 0;
};
sprite_image_box image_box(const sprite_table& s, std::int32_t image);
// The box of a slot's current image (image 0 for a slot outside the table).
sprite_image_box slot_image_box(const sprite_table& s, std::int32_t slot);

// Fills sprite_def and anim_table, sets the side limits, frees every slot and puts the paddle at
// the bottom centre of the field.
void init_sprites(program& p);
// Advances every animated sprite in use by one step.
void anim_sprites(program& p);
// Frees slot x (rounded halves to even); its place, image and old box stay. A slot outside the
// table is ignored.
void sprite_off(program& p, double x);

// 1 when slots a and b are both in use and their boxes overlap or touch, else 0.
std::int32_t sprite_collide(const program& p, double a, double b);
// 1 when the boxes (a1, a2)-(a3, a4) and (b1, b2)-(b3, b4), ends included, overlap or touch.
std::int32_t collide(double a1, double a2, double a3, double a4, double b1, double b2, double b3,
                     double b4);
// Keeps slot x's box within the screen's height.
void check_vertical(program& p, double x);

}  // namespace glim
