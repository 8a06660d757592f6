// Where the preview's picture box goes in its host window: at the host's client origin, with the
// host's client size, carried through twips the way every control of a form is placed.
#pragma once

#include <cstdint>

namespace glim {

// A client rectangle as the platform reports it.
struct host_client_rect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

struct box_size {
    std::int32_t width = 0, height = 0;
};

// The picture box's size in twips: the client width and height times the twips per pixel that
// the start-up recorded, as 32-bit whole numbers (held at the 32-bit limits for a rectangle too
// large to fit, which no real window has).
box_size preview_box_twips(const host_client_rect& r, std::int16_t twips_x, std::int16_t twips_y);

// A size in twips turned into pixels at the screen's exact twips per pixel (1440 / dots per
// inch), to the nearest pixel with halves to even, as the form layer places its controls.
box_size box_pixels(const box_size& twips, double twips_per_px_x, double twips_per_px_y);

}  // namespace glim
