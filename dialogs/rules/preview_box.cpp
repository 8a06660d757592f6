#include "dialogs/rules/preview_box.h"

#include <algorithm>
#include <limits>

#include "shell/numbers.h"

namespace glim {

namespace {

std::int32_t to_twips(std::int32_t low, std::int32_t high, std::int16_t per_px) {
    const std::int64_t v = (static_cast<std::int64_t>(high) - low) * per_px;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::int32_t to_pixels(std::int32_t twips, double per_px) {
    return per_px > 0 ? to_int32_checked(twips / per_px).value_or(0) : 0;
}

}  // namespace

box_size preview_box_twips(const host_client_rect& r, std::int16_t twips_x, std::int16_t twips_y) {
    return {to_twips(r.left, r.right, twips_x), to_twips(r.top, r.bottom, twips_y)};
}

box_size box_pixels(const box_size& twips, double twips_per_px_x, double twips_per_px_y) {
    return {to_pixels(twips.width, twips_per_px_x), to_pixels(twips.height, twips_per_px_y)};
}

}  // namespace glim
