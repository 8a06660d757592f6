#include "engine/surface.h"

#include <algorithm>
#include <cstring>

namespace glim {

surface::surface(std::int32_t w, std::int32_t h, pixel fill) {
    w_ = std::max<std::int32_t>(w, 0);
    h_ = std::max<std::int32_t>(h, 0);
    px_.assign(static_cast<std::size_t>(w_) * static_cast<std::size_t>(h_), fill);
}

pixel surface::at(std::int32_t x, std::int32_t y) const {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return 0;
    return px_[static_cast<std::size_t>(y) * w_ + x];
}

void surface::set(std::int32_t x, std::int32_t y, pixel p) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
    px_[static_cast<std::size_t>(y) * w_ + x] = p;
}

void surface::fill(pixel p) {
    std::fill(px_.begin(), px_.end(), p);
}

void surface::fill_rect(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, pixel p) {
    copy_rect r = clip_copy(x, y, w, h, x, y, w_, h_, w_, h_);
    for (std::int32_t j = 0; j < r.h; ++j) {
        pixel* row = px_.data() + static_cast<std::size_t>(r.y + j) * w_ + r.x;
        std::fill(row, row + r.w, p);
    }
}

void surface::resize(std::int32_t w, std::int32_t h) {
    surface bigger(w, h);
    bigger.blit(0, 0, w_, h_, *this, 0, 0, srccopy);
    *this = std::move(bigger);
}

copy_rect clip_copy(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h, std::int64_t sx,
                    std::int64_t sy, std::int32_t dst_w, std::int32_t dst_h, std::int32_t src_w,
                    std::int32_t src_h) {
    if (w <= 0 || h <= 0) return {};
    // Trim one axis so that [pos, pos + len) lies in [0, dst_len) and [spos, spos + len) in
    // [0, src_len), moving both ends together.
    auto trim = [](std::int64_t& pos, std::int64_t& spos, std::int64_t& len, std::int64_t dst_len,
                   std::int64_t src_len) {
        std::int64_t cut = std::max<std::int64_t>({0, -pos, -spos});
        pos += cut;
        spos += cut;
        len -= cut;
        len = std::min({len, dst_len - pos, src_len - spos});
    };
    trim(x, sx, w, dst_w, src_w);
    trim(y, sy, h, dst_h, src_h);
    if (w <= 0 || h <= 0) return {};
    return {static_cast<std::int32_t>(x),  static_cast<std::int32_t>(y),
            static_cast<std::int32_t>(sx), static_cast<std::int32_t>(sy),
            static_cast<std::int32_t>(w),  static_cast<std::int32_t>(h)};
}

void surface::blit(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                   const surface& src, std::int32_t sx, std::int32_t sy, std::uint32_t op) {
    if (op != srccopy && op != srcpaint) return;
    if (&src == this) {
        if (op == srccopy) blit_within(x, y, w, h, sx, sy);
        return;  // OR-ing a picture onto itself is never asked for
    }
    copy_rect r = clip_copy(x, y, w, h, sx, sy, w_, h_, src.w_, src.h_);
    for (std::int32_t j = 0; j < r.h; ++j) {
        pixel* d = px_.data() + static_cast<std::size_t>(r.y + j) * w_ + r.x;
        const pixel* s = src.px_.data() + static_cast<std::size_t>(r.sy + j) * src.w_ + r.sx;
        if (op == srccopy) {
            std::memcpy(d, s, static_cast<std::size_t>(r.w) * sizeof(pixel));
        } else {
            for (std::int32_t i = 0; i < r.w; ++i) d[i] |= s[i];
        }
    }
}

void surface::blit_within(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                          std::int32_t sx, std::int32_t sy) {
    copy_rect r = clip_copy(x, y, w, h, sx, sy, w_, h_, w_, h_);
    if (r.empty()) return;
    // Walk the rows against the direction of the shift so that no source row is overwritten
    // before it has been read; memmove takes care of overlap within a row.
    for (std::int32_t k = 0; k < r.h; ++k) {
        std::int32_t j = r.y > r.sy ? r.h - 1 - k : k;
        std::memmove(px_.data() + static_cast<std::size_t>(r.y + j) * w_ + r.x,
                     px_.data() + static_cast<std::size_t>(r.sy + j) * w_ + r.sx,
                     static_cast<std::size_t>(r.w) * sizeof(pixel));
    }
}

void surface::stretch(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                      const surface& src, std::int32_t sx, std::int32_t sy, std::int32_t sw,
                      std::int32_t sh) {
    if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0 || &src == this) return;
    // The destination pixels that lie on this picture; each takes the source pixel under its
    // centre.
    std::int64_t x0 = std::max<std::int64_t>(x, 0),
                 x1 = std::min<std::int64_t>(std::int64_t{x} + w, w_);
    std::int64_t y0 = std::max<std::int64_t>(y, 0),
                 y1 = std::min<std::int64_t>(std::int64_t{y} + h, h_);
    for (std::int64_t dy = y0; dy < y1; ++dy) {
        std::int64_t py = sy + ((dy - y) * 2 + 1) * sh / (2 * std::int64_t{h});
        if (py < 0 || py >= src.h_) continue;
        for (std::int64_t dx = x0; dx < x1; ++dx) {
            std::int64_t pxs = sx + ((dx - x) * 2 + 1) * sw / (2 * std::int64_t{w});
            if (pxs < 0 || pxs >= src.w_) continue;
            px_[static_cast<std::size_t>(dy) * w_ + dx] =
                src.px_[static_cast<std::size_t>(py) * src.w_ + pxs];
        }
    }
}

}  // namespace glim
