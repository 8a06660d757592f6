// The saver window as the game's drawing destination. Until its set-up ends, what is drawn on it
// goes into a retained picture of the whole window, which also repaints it whenever it is
// uncovered; after that, drawing goes straight to the screen and the retained picture stays as
// the window's background.
#pragma once

#include <windows.h>

#include "engine/platform.h"

namespace glim::win32 {

class gdi_window : public window_port {
  public:
    void attach(HWND hwnd, std::int32_t w, std::int32_t h);
    void detach();
    void set_retained(bool on) { retained_on_ = on; }
    // Paints the retained picture (WM_PAINT).
    void paint_retained(HDC dc, const RECT& area);

    std::int32_t width() const override { return retained_.width(); }
    std::int32_t height() const override { return retained_.height(); }
    void blit(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, const surface& src,
              std::int32_t sx, std::int32_t sy, std::uint32_t op) override;
    void blit_within(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                     std::int32_t sx, std::int32_t sy) override;
    void stretch(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, const surface& src,
                 std::int32_t sx, std::int32_t sy, std::int32_t sw, std::int32_t sh) override;
    std::int32_t get_device_caps(std::int32_t index) override;

  private:
    HWND hwnd_ = nullptr;
    surface retained_;
    bool retained_on_ = true;
};

// Draws rows of a memory picture onto a device context: the part (sx, sy, w, h) of src at (x, y).
void draw_surface(HDC dc, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                  const surface& src, std::int32_t sx, std::int32_t sy);

// A bitmap resource of the program as a memory picture (empty when it is missing).
surface load_picture(int resource_id);

}  // namespace glim::win32
