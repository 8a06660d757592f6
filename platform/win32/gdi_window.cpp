#include "platform/win32/gdi_window.h"

#include <cstring>

namespace glim::win32 {

namespace {

BITMAPINFO rows_info(std::int32_t width, std::int32_t rows) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -rows;  // top row first
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    return bi;
}

}  // namespace

void draw_surface(HDC dc, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                  const surface& src, std::int32_t sx, std::int32_t sy) {
    // Only the part that lies inside the source is drawn; the screen clips the rest.
    copy_rect c = clip_copy(x, y, w, h, sx, sy, 0x7FFFFFFF, 0x7FFFFFFF, src.width(), src.height());
    if (c.w <= 0 || c.h <= 0) return;
    // Describe just the rows needed, with the source's full row length as the stride.
    BITMAPINFO bi = rows_info(src.width(), c.h);
    const pixel* first = src.pixels().data() + static_cast<std::size_t>(c.sy) * src.width();
    SetDIBitsToDevice(dc, c.x, c.y, c.w, c.h, c.sx, 0, 0, c.h, first, &bi, DIB_RGB_COLORS);
}

surface load_picture(int resource_id) {
    HBITMAP bmp =
        static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resource_id),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bmp) return {};
    BITMAP bm{};
    GetObject(bmp, sizeof bm, &bm);
    surface s(bm.bmWidth, bm.bmHeight);
    BITMAPINFO bi = rows_info(bm.bmWidth, bm.bmHeight);
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, bmp, 0, static_cast<UINT>(bm.bmHeight), s.pixels().data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    DeleteObject(bmp);
    for (auto& p : s.pixels()) p &= 0x00FFFFFFu;
    return s;
}

void gdi_window::attach(HWND hwnd, std::int32_t w, std::int32_t h) {
    hwnd_ = hwnd;
    retained_ = surface(w, h);
    retained_on_ = true;
}

void gdi_window::detach() {
    hwnd_ = nullptr;
}

void gdi_window::paint_retained(HDC dc, const RECT& area) {
    draw_surface(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, retained_,
                 area.left, area.top);
}

void gdi_window::blit(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                      const surface& src, std::int32_t sx, std::int32_t sy, std::uint32_t op) {
    if (retained_on_ || !hwnd_) {
        retained_.blit(x, y, w, h, src, sx, sy, op);
        return;
    }
    HDC dc = GetDC(hwnd_);
    if (op == srccopy) {
        draw_surface(dc, x, y, w, h, src, sx, sy);
    } else {
        // Other raster operations need the screen's pixels: go through a device bitmap.
        copy_rect c =
            clip_copy(x, y, w, h, sx, sy, 0x7FFFFFFF, 0x7FFFFFFF, src.width(), src.height());
        if (!c.empty()) {
            HDC mem = CreateCompatibleDC(dc);
            HBITMAP b = CreateCompatibleBitmap(dc, c.w, c.h);
            HGDIOBJ old = SelectObject(mem, b);
            draw_surface(mem, 0, 0, c.w, c.h, src, c.sx, c.sy);
            BitBlt(dc, c.x, c.y, c.w, c.h, mem, 0, 0, op);
            SelectObject(mem, old);
            DeleteObject(b);
            DeleteDC(mem);
        }
    }
    ReleaseDC(hwnd_, dc);
}

void gdi_window::blit_within(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                             std::int32_t sx, std::int32_t sy) {
    if (retained_on_ || !hwnd_) {
        retained_.blit_within(x, y, w, h, sx, sy);
        return;
    }
    HDC dc = GetDC(hwnd_);
    BitBlt(dc, x, y, w, h, dc, sx, sy, SRCCOPY);
    ReleaseDC(hwnd_, dc);
}

void gdi_window::stretch(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                         const surface& src, std::int32_t sx, std::int32_t sy, std::int32_t sw,
                         std::int32_t sh) {
    if (retained_on_ || !hwnd_) {
        retained_.stretch(x, y, w, h, src, sx, sy, sw, sh);
        return;
    }
    HDC dc = GetDC(hwnd_);
    BITMAPINFO bi = rows_info(src.width(), src.height());
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, x, y, w, h, sx, src.height() - sy - sh, sw, sh, src.pixels().data(), &bi,
                  DIB_RGB_COLORS, SRCCOPY);
    ReleaseDC(hwnd_, dc);
}

std::int32_t gdi_window::get_device_caps(std::int32_t index) {
    HDC dc = GetDC(hwnd_);
    int v = GetDeviceCaps(dc, index);
    ReleaseDC(hwnd_, dc);
    return v;
}

}  // namespace glim::win32
