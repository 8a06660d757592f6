#include "app/frm_screensaver.h"

#include <mmsystem.h>

#include "dialogs/frm_checkpassword.h"
#include "platform/win32/resources.h"
#include "shell/settings.h"

extern "C" LONG NTAPI NtDelayExecution(BOOLEAN alertable, PLARGE_INTEGER interval);

namespace glim {

using namespace win32;

namespace {
form_design design() {
    form_design d;
    d.caption = "screen saver running";
    d.back = 0x00000000;
    d.icon = resource_monitor_icon;
    d.topmost_popup = true;
    return d;
}
}  // namespace

frm_screensaver::frm_screensaver(app_context& app) : form(design(), {}), app_(app) {}

void frm_screensaver::Form_Load() {
    program& p = app_.prog;
    // The window's pictures: the backdrop and the sprite sheet.
    p.background_main = load_picture(resource_backdrop);
    if (p.background_main.empty()) p.background_main = surface(field_width, field_height);
    p.sprite = load_picture(resource_sprite_sheet);
    if (p.sprite.empty()) p.sprite = surface(640, 165);
    p.mask = surface(640, 165);
    RECT r;
    GetClientRect(hwnd(), &r);
    app_.window.attach(hwnd(), r.right - r.left, r.bottom - r.top);
    saver_form_load(p, *this);
}

void frm_screensaver::Form_Activate() {
    saver_form_activate(app_.prog, *this);
}
void frm_screensaver::Form_Click() {
    saver_form_click(app_.prog, *this);
}
void frm_screensaver::Form_KeyPress(std::int16_t&) {
    saver_form_key_press(app_.prog, *this);
}
void frm_screensaver::Form_MouseMove() {
    saver_form_mouse_move(app_.prog);
}

void frm_screensaver::Form_Unload(std::int16_t& cancel) {
    saver_form_unload(app_.prog, *this, cancel);
    if (cancel == 0) app_.window.detach();
}

void frm_screensaver::maximise() {
    if (!IsZoomed(hwnd())) ShowWindow(hwnd(), SW_SHOWMAXIMIZED);
    // A borderless window covers the whole screen, the taskbar included.
    SetWindowPos(hwnd(), nullptr, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                 GetSystemMetrics(SM_CYSCREEN), SWP_NOZORDER | SWP_NOACTIVATE);
}

void frm_screensaver::refresh() {
    InvalidateRect(hwnd(), nullptr, FALSE);
    UpdateWindow(hwnd());
}

void frm_screensaver::set_topmost(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
    SetWindowPos(hwnd(), HWND_TOPMOST, x, y, w, h, 0);
}

void frm_screensaver::retained_drawing_off() {
    app_.window.set_retained(false);
}

void frm_screensaver::load_settings() {
    glim::load_settings(app_.config, app_.store, app_.sys);
}

void frm_screensaver::show_password_prompt() {
    check_password_form().show_modeless();
}

void frm_screensaver::bring_password_prompt_forward() {
    check_password_form().bring_forward();
}

void frm_screensaver::wait_for_events(std::int32_t ms) {
#ifdef GLIMBROOK_SPIN
    // Benchmark build only: the never-sleeping loop, for comparison.
    return;
#endif
    if (ms <= 0) return;
    if (ms > 1) {
        // A message wait's time-out runs from the call, not from a tick of the clock, and ends a
        // fraction of a millisecond late: ended one tick early, it leaves the last tick to the
        // sleep below instead of spilling into the tick after the deadline.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(ms - 1), QS_ALLINPUT);
        return;
    }
    sleep_to_next_tick();
}

void frm_screensaver::sleep_to_next_tick() {
    const DWORD now = timeGetTime();
    LARGE_INTEGER count, freq;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&freq);
    const double fine =
        static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(freq.QuadPart);
    ticks_ += static_cast<DWORD>(now - last_tick_);  // the clock's ticks, past its wrap
    last_tick_ = now;
    // The clock reads `now`, so its tick began at or before `fine`: the least such bound is where
    // ticks begin on the fine clock.
    const double bound = fine - static_cast<double>(ticks_);
    if (!tick_known_ || bound < tick_origin_) tick_origin_ = bound;
    tick_known_ = true;
    constexpr double margin_ms = 0.02;
    double due = static_cast<double>(ticks_ + 1) + tick_origin_ + margin_ms - fine;
    // Still before a tick we thought had begun: the ticks moved; start again from this reading.
    if (due <= 0) {
        tick_origin_ = bound;
        due = 1 + margin_ms;
    }
    // Less than a millisecond, in 100 ns units; Windows ends it at its next timer tick. No message
    // ends it, but it is shorter than a tick and events are processed right after it.
    LARGE_INTEGER interval;
    interval.QuadPart = -static_cast<LONGLONG>(due * 10000.0);
    NtDelayExecution(FALSE, &interval);
}

#ifdef GLIMBROOK_BENCH
// Benchmark build only: the start of every frame, written out when the window unloads.
void frm_screensaver::frame_begun(std::int32_t frame_start) {
    frame_starts_.push_back(frame_start);
}
#endif

void frm_screensaver::fine_timer(bool on) {
#ifdef GLIMBROOK_BENCH
    if (!on && !frame_starts_.empty()) {
        char path[MAX_PATH + 32] = {};
        GetTempPathA(MAX_PATH, path);
        lstrcatA(path, "glimbrook-frames.txt");
        HANDLE f = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (f != INVALID_HANDLE_VALUE) {
            for (std::int32_t t : frame_starts_) {
                char line[16];
                int n = wsprintfA(line, "%d\n", t);
                DWORD written = 0;
                WriteFile(f, line, static_cast<DWORD>(n), &written, nullptr);
            }
            CloseHandle(f);
        }
    }
#endif
#ifdef GLIMBROOK_SPIN
    return;
#endif
    if (on == fine_timer_) return;
    fine_timer_ = on;
    if (on)
        timeBeginPeriod(1);
    else
        timeEndPeriod(1);
}

LRESULT frm_screensaver::handle_message(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND: return 1;  // the retained picture covers the whole window
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd(), &ps);
        app_.window.paint_retained(dc, ps.rcPaint);
        EndPaint(hwnd(), &ps);
        return 0;
    }
    // With the password prompt up, a click brings the prompt forward when the button comes up;
    // activated on the way down, the saver would rise over the prompt meanwhile.
    case WM_MOUSEACTIVATE:
        if (app_.run.password_shown == 1) return MA_NOACTIVATE;
        break;
    // Any mouse button ends a screen saver, as users expect.
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: Form_Click(); return 0;
    case WM_SYSCOMMAND:
        // No screen saver of the system's own over this one.
        if ((wp & 0xFFF0) == SC_SCREENSAVE) return 0;
        break;
    default: break;
    }
    return form::handle_message(msg, wp, lp);
}

}  // namespace glim
