#include "dialogs/frm_preview.h"

#include "platform/win32/resources.h"

namespace glim {

using namespace win32;

namespace {

constexpr unsigned timer1 = 1;
constexpr unsigned timer1_interval = 50;  // milliseconds between checks of the host

form_design design() {
    form_design d;
    d.caption = "Glimbrook preview";
    d.client_width = 3300;
    d.client_height = 2685;
    d.back = 0x00C0C0C0;
    return d;
}

std::vector<control_design> controls() {
    control_design picture{"Picture1", control_kind::picture_box, "", 60, 60, 2310, 1740, 0};
    picture.picture = resource_preview;
    picture.border = true;
    picture.back = sys_button_face;
    return {picture};
}

std::int32_t handle_number(HWND h) {
    return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(h));
}

}  // namespace

frm_preview::frm_preview(app_context& app)
    : form(design(), controls()), app_(app),
      Msghook1([this](std::int32_t msg, std::int32_t wp, std::int32_t lp, std::int32_t& result) {
          Msghook1_OnMessage(msg, wp, lp, result);
      }) {}

HWND frm_preview::host() const {
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(app_.run.parent_hwnd));
}

void frm_preview::Form_Load() {
    control& picture = ctl("Picture1");
    preview_attached = 0;
    // The hook watches the picture box's own window, for WM_CLOSE from the host.
    Msghook1.put(msghook::property_hwnd, handle_number(picture.hwnd()));
    Msghook1.put(msghook::property_message, std::int16_t{WM_CLOSE}, true);

    // A handle that names no window leaves the rectangle empty: the box becomes 0 x 0.
    RECT r{};
    GetClientRect(host(), &r);
    preview_rect = {r.left, r.top, r.right, r.bottom};

    const box_size twips = preview_box_twips(preview_rect, app_.run.twips_x, app_.run.twips_y);
    const box_size px = box_pixels(twips, twips_per_pixel_x(), twips_per_pixel_y());
    picture.move_px(0, 0, px.width, px.height);

    // The box is a visible child, so it shows as soon as it sits in the host. A null handle
    // would make it a window of the desktop instead, which some systems show even at 0 x 0.
    if (host()) SetParent(picture.hwnd(), host());
    preview_attached = -1;
    start_timer(timer1, timer1_interval);
}

void frm_preview::Msghook1_OnMessage(std::int32_t msg, std::int32_t, std::int32_t, std::int32_t&) {
    if (msg != WM_CLOSE) return;
    // The host gives the picture back: into the hidden window again, never to show.
    SetParent(ctl("Picture1").hwnd(), hwnd());
    preview_attached = 0;
}

void frm_preview::timer_tick(unsigned id) {
    if (id == timer1) Timer1_Timer();
}

void frm_preview::Timer1_Timer() {
    if (IsWindow(host()) == 0 || preview_attached == 0) unload();
}

}  // namespace glim
