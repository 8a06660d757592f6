// Picture surfaces and the block copies between them. Every picture the game keeps off screen is a
// 32-bit memory image; the window is a destination with the same copy operations, so the whole
// drawing pipeline runs unchanged in the saver and in a headless test.
#pragma once

#include <cstdint>
#include <vector>

namespace glim {

// One pixel as a 32-bit top-down device-independent bitmap stores it: 0x00RRGGBB.
using pixel = std::uint32_t;

constexpr pixel rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return (pixel{r} << 16) | (pixel{g} << 8) | pixel{b};
}
constexpr std::uint8_t red_of(pixel p) {
    return static_cast<std::uint8_t>(p >> 16);
}
constexpr std::uint8_t green_of(pixel p) {
    return static_cast<std::uint8_t>(p >> 8);
}
constexpr std::uint8_t blue_of(pixel p) {
    return static_cast<std::uint8_t>(p);
}

// The raster operations the game uses, with the values the platform gives them.
inline constexpr std::uint32_t srccopy = 0x00CC0020;   // the source replaces the destination
inline constexpr std::uint32_t srcpaint = 0x00EE0086;  // the source is OR-ed onto the destination

class surface;

// Anything the game copies pictures onto: a memory surface or the window.
class paint_target {
  public:
    virtual ~paint_target() = default;
    virtual std::int32_t width() const = 0;
    virtual std::int32_t height() const = 0;
    // BitBlt(this, x, y, w, h, src, sx, sy, op). Parts of the rectangle that lie outside either
    // picture are left out; an empty or negative size copies nothing; an unknown op copies nothing.
    virtual void blit(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                      const surface& src, std::int32_t sx, std::int32_t sy, std::uint32_t op) = 0;
    // BitBlt(this, x, y, w, h, this, sx, sy, SRCCOPY): a copy within the picture; overlapping
    // rectangles give the picture the source had before the copy.
    virtual void blit_within(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                             std::int32_t sx, std::int32_t sy) = 0;
    // StretchBlt(this, x, y, w, h, src, sx, sy, sw, sh, SRCCOPY), nearest pixel.
    virtual void stretch(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                         const surface& src, std::int32_t sx, std::int32_t sy, std::int32_t sw,
                         std::int32_t sh) = 0;
};

// A memory picture. Pixels outside it read as black and are never written.
class surface : public paint_target {
  public:
    surface() = default;
    surface(std::int32_t w, std::int32_t h, pixel fill = 0);

    std::int32_t width() const override { return w_; }
    std::int32_t height() const override { return h_; }
    bool empty() const { return w_ == 0 || h_ == 0; }

    pixel at(std::int32_t x, std::int32_t y) const;
    void set(std::int32_t x, std::int32_t y, pixel p);
    void fill(pixel p);
    void fill_rect(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, pixel p);
    // A new size, as a picture surface takes one: what fits stays, the rest is black.
    void resize(std::int32_t w, std::int32_t h);

    // Row-major, top row first, width() pixels per row.
    const std::vector<pixel>& pixels() const { return px_; }
    std::vector<pixel>& pixels() { return px_; }

    void blit(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, const surface& src,
              std::int32_t sx, std::int32_t sy, std::uint32_t op) override;
    void blit_within(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                     std::int32_t sx, std::int32_t sy) override;
    void stretch(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, const surface& src,
                 std::int32_t sx, std::int32_t sy, std::int32_t sw, std::int32_t sh) override;

    bool operator==(const surface& o) const { return w_ == o.w_ && h_ == o.h_ && px_ == o.px_; }

  private:
    std::int32_t w_ = 0, h_ = 0;
    std::vector<pixel> px_;
};

// The part of a copy that both pictures hold: destination and source corners and the size.
// Computed in 64 bits, so that no position near the ends of the 32-bit range can overflow.
struct copy_rect {
    std::int32_t x = 0, y = 0, sx = 0, sy = 0, w = 0, h = 0;
    bool empty() const { return w <= 0 || h <= 0; }
};
copy_rect clip_copy(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h, std::int64_t sx,
                    std::int64_t sy, std::int32_t dst_w, std::int32_t dst_h, std::int32_t src_w,
                    std::int32_t src_h);

}  // namespace glim
