#include "platform/win32/forms.h"

#include <commctrl.h>
#include <imm.h>
#include <shellapi.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/win32/resources.h"
#include "shell/system_helpers.h"

namespace glim::win32 {

namespace {

constexpr const char* form_class = "GlimbrookForm";
constexpr UINT msg_activate = WM_APP + 1;  // Form_Activate, posted after the activation
constexpr UINT first_control_id = 100;
constexpr const char* subclass_prop = "GlimbrookOrigProc";

int g_loaded_forms = 0;

double dpi(int index) {
    HDC dc = GetDC(nullptr);
    int v = GetDeviceCaps(dc, index);
    ReleaseDC(nullptr, dc);
    return v > 0 ? v : 96;
}

constexpr const char* picture_class = "GlimbrookPicture";
LRESULT CALLBACK picture_proc(HWND h, UINT msg, WPARAM wp, LPARAM lp);

void register_class() {
    static bool done = false;
    if (done) return;
    done = true;
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = form::window_proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = form_class;
    RegisterClassExA(&wc);
    WNDCLASSEXA pc{};
    pc.cbSize = sizeof(pc);
    pc.lpfnWndProc = picture_proc;
    pc.hInstance = GetModuleHandleA(nullptr);
    pc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    pc.lpszClassName = picture_class;
    RegisterClassExA(&pc);
}

// Draws a bitmap resource at (x, y), inside a two-pixel sunken border around `box` when asked.
void draw_picture(HDC dc, const RECT& box, int picture, bool border) {
    int inset = 0;
    if (border) {
        RECT r = box;
        DrawEdge(dc, &r, BDR_SUNKENOUTER | BDR_SUNKENINNER, BF_RECT);
        inset = 2;
    }
    HBITMAP bmp = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(picture));
    if (!bmp) return;
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, bmp);
    BITMAP bm{};
    GetObject(bmp, sizeof bm, &bm);
    int w = std::min<int>(bm.bmWidth, box.right - box.left - 2 * inset);
    int h = std::min<int>(bm.bmHeight, box.bottom - box.top - 2 * inset);
    if (w > 0 && h > 0) BitBlt(dc, box.left + inset, box.top + inset, w, h, mem, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(bmp);
}

// A picture box: a child window that paints its bitmap (kept in its user data) on button face.
LRESULT CALLBACK picture_proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(h, &ps);
        RECT r;
        GetClientRect(h, &r);
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        LONG_PTR data = GetWindowLongPtrA(h, GWLP_USERDATA);
        draw_picture(dc, r, static_cast<int>(data & 0xFFFF), (data & 0x10000) != 0);
        EndPaint(h, &ps);
        return 0;
    }
    if (msg == WM_ERASEBKGND) return 1;
    return DefWindowProcA(h, msg, wp, lp);
}

HCURSOR hand_cursor() {
    static HCURSOR c = [] {
        HCURSOR h = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resource_hand_cursor));
        return h ? h : LoadCursor(nullptr, IDC_HAND);
    }();
    return c;
}

LRESULT CALLBACK control_subclass_proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    auto orig = reinterpret_cast<WNDPROC>(GetPropA(h, subclass_prop));
    form* f = form::from_window(h);
    if (f) {
        if (f->divert_input(msg, lp)) return 0;
        if (msg == WM_MOUSEMOVE) {
            // Route to the form, which knows which control this is.
            SendMessageA(f->hwnd(), WM_APP + 2, reinterpret_cast<WPARAM>(h), 0);
        } else if (msg == WM_SETCURSOR) {
            SendMessageA(f->hwnd(), WM_APP + 3, reinterpret_cast<WPARAM>(h), 0);
            return TRUE;
        } else if (msg == WM_NCDESTROY) {
            RemovePropA(h, subclass_prop);
            SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(orig));
        }
    }
    return CallWindowProcA(orig, h, msg, wp, lp);
}

BOOL CALLBACK collect_enabled_window(HWND h, LPARAM lp) {
    if (IsWindowVisible(h) && IsWindowEnabled(h))
        reinterpret_cast<std::vector<HWND>*>(lp)->push_back(h);
    return TRUE;
}

// Keys and the mouse: the input that a window with a modal window over it does not take.
bool is_input(UINT msg) {
    return (msg >= WM_KEYFIRST && msg <= WM_KEYLAST) ||
           (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST);
}

// A key or a mouse button going down: each of these brings the modal window forward.
bool is_press(UINT msg) {
    return msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN || msg == WM_LBUTTONDOWN ||
           msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN || msg == WM_XBUTTONDOWN;
}

// The forms shown modally, the newest last.
std::vector<form*> g_modal_forms;

}  // namespace

HWND form::modal_window_over(HWND owner) {
    if (IsWindowEnabled(owner)) return nullptr;
    // A message box over it is owned by it; so is its tooltip window, which is no modal window.
    std::vector<HWND> enabled;
    EnumThreadWindows(GetCurrentThreadId(), collect_enabled_window,
                      reinterpret_cast<LPARAM>(&enabled));
    for (HWND h : enabled) {
        char cls[32] = {};
        GetClassNameA(h, cls, sizeof cls);
        if (GetWindow(h, GW_OWNER) == owner && lstrcmpiA(cls, TOOLTIPS_CLASSA) != 0) return h;
    }
    // A modal form has no owner: it is the newest one whose showing disabled this window.
    for (auto it = g_modal_forms.rbegin(); it != g_modal_forms.rend(); ++it) {
        const auto& disabled = (*it)->disabled_by_modal_;
        if ((*it)->hwnd_ && std::find(disabled.begin(), disabled.end(), owner) != disabled.end())
            return (*it)->hwnd_;
    }
    return nullptr;
}

bool form::divert_input(UINT msg, LPARAM lp) {
    if (!hwnd_ || IsWindowEnabled(hwnd_)) return false;
    // A click on a disabled window reaches it only as the cursor's hit-test error.
    const bool cursor = msg == WM_SETCURSOR;
    const UINT what = !cursor ? msg : static_cast<short>(LOWORD(lp)) == HTERROR ? HIWORD(lp) : 0;
    if (is_press(what) && modal_window_over(hwnd_)) bring_to_front();
    return !cursor && is_input(msg);
}

double twips_per_pixel_x() {
    return 1440.0 / dpi(LOGPIXELSX);
}
double twips_per_pixel_y() {
    return 1440.0 / dpi(LOGPIXELSY);
}
int twips_to_px_x(double t) {
    return static_cast<int>(std::nearbyint(t / twips_per_pixel_x()));
}
int twips_to_px_y(double t) {
    return static_cast<int>(std::nearbyint(t / twips_per_pixel_y()));
}

COLORREF to_colorref(std::uint32_t c) {
    if (c & 0x80000000u) return GetSysColor(static_cast<int>(c & 0xFFu));
    return static_cast<COLORREF>(c & 0xFFFFFFu);
}

void process_events() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        form* f = form::from_window(msg.hwnd);
        if (f && f->pre_translate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void wait_for_events(std::uint32_t ms) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, ms, QS_ALLINPUT);
}

void end_program() {
    ExitProcess(0);
}

int message_box(const std::string& text, const std::string& title, unsigned style, HWND owner) {
    return MessageBoxA(owner, text.c_str(), title.c_str(), style);
}

void shell_open(HWND owner, const std::string& file) {
    // A failure is not reported: a name too long opens nothing, like a missing file.
    if (!path_fits(file)) return;
    ShellExecuteA(owner, nullptr, file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

int loaded_form_count() {
    return g_loaded_forms;
}

// ---- control ----

std::string control::text() const {
    if (!hwnd_) return caption_;
    int n = GetWindowTextLengthA(hwnd_);
    std::string s(static_cast<std::size_t>(n) + 1, '\0');
    GetWindowTextA(hwnd_, s.data(), n + 1);
    s.resize(std::strlen(s.c_str()));
    return s;
}

void control::set_text(const std::string& t) {
    caption_ = t;
    if (hwnd_)
        SetWindowTextA(hwnd_, t.c_str());
    else if (owner_ && owner_->hwnd())
        InvalidateRect(owner_->hwnd(), &rect_, TRUE);
}

int control::value() const {
    if (!hwnd_) return 0;
    return SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void control::set_value(int v) {
    if (!hwnd_) return;
    if (design_.kind == control_kind::option_button && v) {
        // Selecting one option button clears the others of the form.
        for (auto& c : owner_->controls_for_group())
            if (c->hwnd_ != hwnd_) SendMessageA(c->hwnd_, BM_SETCHECK, BST_UNCHECKED, 0);
    }
    SendMessageA(hwnd_, BM_SETCHECK, v ? BST_CHECKED : BST_UNCHECKED, 0);
}

void control::set_fore_color(std::uint32_t c) {
    if (fore_ == c) return;
    fore_ = c;
    if (hwnd_)
        InvalidateRect(hwnd_, nullptr, TRUE);
    else if (owner_ && owner_->hwnd())
        InvalidateRect(owner_->hwnd(), &rect_, TRUE);
}

void control::set_visible(bool v) {
    if (visible_ == v) return;
    visible_ = v;
    if (hwnd_)
        ShowWindow(hwnd_, v ? SW_SHOWNA : SW_HIDE);
    else if (owner_ && owner_->hwnd())
        InvalidateRect(owner_->hwnd(), &rect_, TRUE);
}

void control::move_px(int left, int top, int width, int height) {
    RECT old = rect_;
    rect_ = {left, top, left + width, top + height};
    if (hwnd_) {
        MoveWindow(hwnd_, left, top, width, height, TRUE);
    } else if (owner_ && owner_->hwnd()) {
        // A frame's outline lies on its edges: invalidate one pixel beyond to be safe.
        RECT a = old, b = rect_;
        InflateRect(&a, 1, 1);
        InflateRect(&b, 1, 1);
        InvalidateRect(owner_->hwnd(), &a, TRUE);
        InvalidateRect(owner_->hwnd(), &b, TRUE);
    }
}

void control::set_focus() {
    if (hwnd_) SetFocus(hwnd_);
}

// ---- form ----

form::form(form_design design, std::vector<control_design> controls) : design_(design) {
    controls_.reserve(controls.size());
    for (auto& d : controls) {
        control c;
        c.design_ = d;
        c.owner_ = this;
        c.fore_ = d.fore;
        c.visible_ = d.visible;
        c.caption_ = d.caption ? d.caption : "";
        controls_.push_back(std::move(c));
    }
}

form::~form() {
    if (hwnd_) destroy_window();
    for (auto& [face, font] : fonts_) DeleteObject(font);
    for (auto& [c, b] : brushes_) DeleteObject(b);
}

std::vector<control*> form::controls_for_group() {
    std::vector<control*> v;
    for (auto& c : controls_)
        if (c.design_.kind == control_kind::option_button && c.hwnd_) v.push_back(&c);
    return v;
}

HFONT form::font_for(const font_spec& f) {
    for (auto& [have, font] : fonts_)
        if (std::string(have.face) == f.face && have.points == f.points && have.bold == f.bold)
            return font;
    int height = -static_cast<int>(std::lround(f.points * dpi(LOGPIXELSY) / 72.0));
    HFONT h = CreateFontA(height, 0, 0, 0, f.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                          ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_DONTCARE, f.face);
    fonts_.emplace_back(f, h);
    return h;
}

HBRUSH form::brush_for(std::uint32_t colour) {
    for (auto& [c, b] : brushes_)
        if (c == colour) return b;
    HBRUSH b = CreateSolidBrush(to_colorref(colour));
    brushes_.emplace_back(colour, b);
    return b;
}

void form::create_window() {
    register_class();
    DWORD style, ex_style = 0;
    RECT r{0, 0, twips_to_px_x(design_.client_width), twips_to_px_y(design_.client_height)};
    if (design_.topmost_popup) {
        style = WS_POPUP | WS_CLIPCHILDREN;
        r = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    } else {
        style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
        AdjustWindowRectEx(&r, style, FALSE, ex_style);
    }
    hwnd_ = CreateWindowExA(ex_style, form_class, design_.caption, style, CW_USEDEFAULT,
                            CW_USEDEFAULT, r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                            GetModuleHandleA(nullptr), this);
    if (design_.topmost_popup) SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    if (design_.icon) {
        HINSTANCE inst = GetModuleHandleA(nullptr);
        auto big = static_cast<HICON>(
            LoadImageA(inst, MAKEINTRESOURCEA(design_.icon), IMAGE_ICON, 32, 32, 0));
        auto small = static_cast<HICON>(
            LoadImageA(inst, MAKEINTRESOURCEA(design_.icon), IMAGE_ICON, 16, 16, 0));
        if (big) SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
        if (small) SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    }
    create_controls();
}

void form::create_controls() {
    // Only a form with tooltips owns a tooltip window: an owned topmost popup can keep its owner
    // out of the topmost band (the saver's full-screen window, which has no control).
    if (std::any_of(controls_.begin(), controls_.end(),
                    [](const control& c) { return c.design_.tooltip != nullptr; })) {
        tooltip_ =
            CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
        SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, 300);
    }
    bool first_option = true;
    UINT id = first_control_id;
    for (auto& c : controls_) {
        const auto& d = c.design_;
        c.rect_ = {twips_to_px_x(d.left), twips_to_px_y(d.top),
                   twips_to_px_x(d.left) + twips_to_px_x(d.width),
                   twips_to_px_y(d.top) + twips_to_px_y(d.height)};
        const char* cls = nullptr;
        DWORD style = WS_CHILD | (c.visible_ ? WS_VISIBLE : 0);
        DWORD ex = 0;
        switch (d.kind) {
        case control_kind::check_box:
            cls = "BUTTON";
            style |= BS_AUTOCHECKBOX;
            break;
        case control_kind::option_button:
            cls = "BUTTON";
            style |= BS_AUTORADIOBUTTON | (first_option ? WS_GROUP : 0);
            first_option = false;
            break;
        case control_kind::text_box:
            cls = "EDIT";
            style |= ES_AUTOHSCROLL | ES_LEFT | (d.password ? ES_PASSWORD : 0);
            ex = WS_EX_CLIENTEDGE;
            break;
        case control_kind::command_button:
            cls = "BUTTON";
            style |= d.default_button ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
            break;
        case control_kind::picture_box: cls = picture_class; break;
        default: break;
        }
        if (d.tab_index >= 0) style |= WS_TABSTOP;
        if (cls) {
            c.hwnd_ = CreateWindowExA(ex, cls, c.caption_.c_str(), style, c.rect_.left, c.rect_.top,
                                      c.rect_.right - c.rect_.left, c.rect_.bottom - c.rect_.top,
                                      hwnd_, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                      GetModuleHandleA(nullptr), nullptr);
            SendMessageA(c.hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_for(d.font)), FALSE);
            if (d.kind == control_kind::picture_box)
                SetWindowLongPtrA(c.hwnd_, GWLP_USERDATA,
                                  (d.picture & 0xFFFF) | (d.border ? 0x10000 : 0));
            // Text boxes take text of any length, not the platform's default limit.
            if (d.kind == control_kind::text_box) SendMessageA(c.hwnd_, EM_SETLIMITTEXT, 0, 0);
            if (d.kind == control_kind::text_box && d.password)
                SendMessageA(c.hwnd_, EM_SETPASSWORDCHAR, '*', 0);
            // Without an input context the box takes keys as they are, never composed text.
            if (d.kind == control_kind::text_box && d.ime_off)
                ImmAssociateContext(c.hwnd_, nullptr);
            SetPropA(c.hwnd_, subclass_prop,
                     reinterpret_cast<HANDLE>(GetWindowLongPtrA(c.hwnd_, GWLP_WNDPROC)));
            SetWindowLongPtrA(c.hwnd_, GWLP_WNDPROC,
                              reinterpret_cast<LONG_PTR>(control_subclass_proc));
        } else if (d.auto_size && d.kind == control_kind::label) {
            HDC dc = GetDC(hwnd_);
            HGDIOBJ old = SelectObject(dc, font_for(d.font));
            SIZE sz{};
            GetTextExtentPoint32A(dc, c.caption_.c_str(), static_cast<int>(c.caption_.size()), &sz);
            SelectObject(dc, old);
            ReleaseDC(hwnd_, dc);
            c.rect_.right = c.rect_.left + sz.cx;
            c.rect_.bottom = c.rect_.top + sz.cy;
        }
        if (d.tooltip && tooltip_) {
            TOOLINFOA ti{};
            ti.cbSize = TTTOOLINFOA_V1_SIZE;
            ti.hwnd = hwnd_;
            ti.lpszText = const_cast<char*>(d.tooltip);
            if (c.hwnd_) {
                ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
                ti.uId = reinterpret_cast<UINT_PTR>(c.hwnd_);
            } else {
                ti.uFlags = TTF_SUBCLASS;
                ti.uId = id;
                ti.rect = c.rect_;
            }
            SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
        }
        ++id;
    }
    // The control with the lowest tab index starts with the focus.
    control* first = nullptr;
    for (auto& c : controls_)
        if (c.hwnd_ && c.design_.tab_index >= 0 &&
            (!first || c.design_.tab_index < first->design_.tab_index))
            first = &c;
    if (first) first_focus_ = first->hwnd_;
}

void form::load() {
    if (hwnd_) return;
    create_window();
    ++g_loaded_forms;
    Form_Load();
}

void form::show_modeless() {
    load();
    if (!hwnd_) return;  // Form_Load may have unloaded it
    ShowWindow(hwnd_, SW_SHOW);
    if (first_focus_ && IsWindow(first_focus_)) focus_keeping_options(first_focus_);
    UpdateWindow(hwnd_);
}

void form::focus_keeping_options(HWND h) {
    // An option button may select itself when it is given the focus; the selection the
    // option buttons have (possibly none) is kept.
    std::vector<std::pair<HWND, LRESULT>> options;
    for (control* o : controls_for_group())
        options.emplace_back(o->hwnd_, SendMessageA(o->hwnd_, BM_GETCHECK, 0, 0));
    SetFocus(h);
    for (auto& [o, state] : options)
        if (SendMessageA(o, BM_GETCHECK, 0, 0) != state)
            SendMessageA(o, BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

void form::show_modal() {
    // Every other enabled top-level window of this thread takes no input meanwhile.
    std::vector<HWND> others;
    EnumThreadWindows(GetCurrentThreadId(), collect_enabled_window,
                      reinterpret_cast<LPARAM>(&others));
    show_modeless();
    for (HWND h : others) {
        if (h == hwnd_ || !hwnd_) continue;
        EnableWindow(h, FALSE);
        disabled_by_modal_.push_back(h);
    }
    g_modal_forms.push_back(this);
    while (hwnd_) {
        process_events();
        if (hwnd_) WaitMessage();
    }
    g_modal_forms.pop_back();
    enable_disabled_by_modal();
}

void form::enable_disabled_by_modal() {
    std::vector<HWND> windows;
    windows.swap(disabled_by_modal_);
    for (HWND h : windows)
        if (IsWindow(h)) EnableWindow(h, TRUE);
}

void form::unload() {
    if (!hwnd_ || unloading_) return;
    unloading_ = true;
    std::int16_t cancel = 0;
    Form_Unload(cancel);
    unloading_ = false;
    if (cancel != 0 || !hwnd_) return;
    destroy_window();
}

void form::destroy_window() {
    HWND h = hwnd_;
    hwnd_ = nullptr;
    pressed_ = nullptr;
    for (auto& c : controls_) c.hwnd_ = nullptr;
    first_focus_ = nullptr;
    last_focus_ = nullptr;
    if (tooltip_) DestroyWindow(tooltip_);
    tooltip_ = nullptr;
    SetWindowLongPtrA(h, GWLP_USERDATA, 0);
    // The windows a modal showing disabled take input again before this one goes, so that the
    // platform hands the activation (and with it the keyboard) back to the window beneath.
    enable_disabled_by_modal();
    DestroyWindow(h);
    --g_loaded_forms;
    // Controls start again from their design values at the next load.
    for (auto& c : controls_) {
        c.fore_ = c.design_.fore;
        c.visible_ = c.design_.visible;
        c.caption_ = c.design_.caption ? c.design_.caption : "";
    }
}

double form::left_twips() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return r.left * twips_per_pixel_x();
}
double form::top_twips() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return r.top * twips_per_pixel_y();
}
double form::width_twips() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return (r.right - r.left) * twips_per_pixel_x();
}
double form::height_twips() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return (r.bottom - r.top) * twips_per_pixel_y();
}
void form::move_twips(double left, double top) {
    SetWindowPos(hwnd_, nullptr, twips_to_px_x(left), twips_to_px_y(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

control& form::ctl(const char* name, int index) {
    for (auto& c : controls_)
        if (std::string(c.design_.name) == name && c.design_.index == index) return c;
    static control none;
    return none;
}

void form::start_timer(unsigned id, unsigned ms) {
    if (hwnd_) SetTimer(hwnd_, id, ms, nullptr);
}
void form::stop_timer(unsigned id) {
    if (hwnd_) KillTimer(hwnd_, id);
}
void form::repaint() {
    if (hwnd_) {
        InvalidateRect(hwnd_, nullptr, TRUE);
        UpdateWindow(hwnd_);
    }
}

bool form::bring_to_front() {
    if (!hwnd_) return false;
    // A modal window up over this one (a message box it owns, or a modal form) comes along, just
    // above it, and takes the activation: this window takes no input until that one closes. Seen
    // from outside, the order is then the modal window, this one, and the rest below.
    std::vector<HWND> chain{hwnd_};
    while (HWND m = modal_window_over(chain.back())) chain.push_back(m);
    for (std::size_t i = 0; i < chain.size(); ++i) {
        // To the top of its band; a modal window into its owner's, as it must be topmost to stay
        // above a topmost owner. A topmost window goes up with HWND_TOPMOST, which takes the
        // windows it owns above it: HWND_TOP may leave them, and so this one, where they were.
        const HWND band = chain[i == 0 ? 0 : i - 1];
        const bool topmost = GetWindowLongA(band, GWL_EXSTYLE) & WS_EX_TOPMOST;
        const UINT no_activate = i == 0 && chain.size() > 1 ? SWP_NOACTIVATE : 0;
        SetWindowPos(chain[i], topmost ? HWND_TOPMOST : HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | no_activate);
    }
    SetForegroundWindow(chain.back());
    SetActiveWindow(chain.back());
    return chain.size() == 1;
}

form* form::from_window(HWND h) {
    // Only windows of this process carry a form pointer: a picture lent to another program's
    // window (the preview) has that program's windows above it.
    for (int depth = 0; h && depth < 4; ++depth) {
        DWORD pid = 0;
        GetWindowThreadProcessId(h, &pid);
        if (pid != GetCurrentProcessId()) return nullptr;
        char cls[32] = {};
        GetClassNameA(h, cls, sizeof cls);
        if (std::string(cls) == form_class)
            return reinterpret_cast<form*>(GetWindowLongPtrA(h, GWLP_USERDATA));
        h = GetParent(h);
    }
    return nullptr;
}

control* form::control_of(HWND h) {
    for (auto& c : controls_)
        if (c.hwnd_ && c.hwnd_ == h) return &c;
    return nullptr;
}

control* form::painted_control_at(POINT p) {
    // The design table lists painted controls from front to back.
    for (auto& c : controls_) {
        if (c.hwnd_ || !c.visible_) continue;
        if (c.design_.kind == control_kind::shape) continue;  // takes no mouse input
        if (PtInRect(&c.rect_, p)) return &c;
    }
    return nullptr;
}

void form::focus_next(bool backwards) {
    std::vector<control*> order;
    for (auto& c : controls_)
        if (c.hwnd_ && c.design_.tab_index >= 0 && c.visible_ && IsWindowEnabled(c.hwnd_))
            order.push_back(&c);
    if (order.empty()) return;
    std::sort(order.begin(), order.end(),
              [](control* a, control* b) { return a->design_.tab_index < b->design_.tab_index; });
    HWND focus = GetFocus();
    // With no control focused (the form itself has the keyboard), Tab starts at the first.
    std::size_t at = backwards ? 0 : order.size() - 1;
    for (std::size_t i = 0; i < order.size(); ++i)
        if (order[i]->hwnd_ == focus) at = i;
    std::size_t next = backwards ? (at + order.size() - 1) % order.size() : (at + 1) % order.size();
    // Tab onto an option button moves the focus only, never the selection.
    focus_keeping_options(order[next]->hwnd_);
    if (order[next]->design_.kind == control_kind::text_box)
        SendMessageA(order[next]->hwnd_, EM_SETSEL, 0, -1);
}

void form::select_next_option(control& from, bool backwards) {
    std::vector<control*> group;
    for (control* o : controls_for_group())
        if (o->visible_ && IsWindowEnabled(o->hwnd_)) group.push_back(o);
    auto at = std::find(group.begin(), group.end(), &from);
    if (at == group.end()) return;
    std::size_t i = static_cast<std::size_t>(at - group.begin()), n = group.size();
    control* next = group[backwards ? (i + n - 1) % n : (i + 1) % n];
    // Selected before it takes the focus: repainting the selection would wipe the focus frame.
    next->set_value(1);
    focus_keeping_options(next->hwnd_);
}

bool form::pre_translate(MSG& msg) {
    // Keys for a form with a modal window over it go on to the window, which turns them away.
    if (!hwnd_ || !IsWindowEnabled(hwnd_)) return false;
    control* c = control_of(msg.hwnd);
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && c) {
        focus_next(GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    // The arrow keys move round the option buttons, the last one wrapping to the first, and
    // select the one they reach.
    if (msg.message == WM_KEYDOWN && c && c->design_.kind == control_kind::option_button &&
        (msg.wParam == VK_LEFT || msg.wParam == VK_UP || msg.wParam == VK_RIGHT ||
         msg.wParam == VK_DOWN)) {
        select_next_option(*c, msg.wParam == VK_LEFT || msg.wParam == VK_UP);
        return true;
    }
    if (msg.message == WM_CHAR) {
        if (msg.wParam == '\t' && c) return true;
        auto key = static_cast<std::int16_t>(msg.wParam);
        if (c) {
            control_key_press(*c, key);
            if (!hwnd_) return true;
            if (key == 0) return true;
            if (key == '\r') {
                // Enter presses the focused command button, else the default button, if the
                // form has one.
                if (c->design_.kind == control_kind::command_button) {
                    control_click(*c);
                    return true;
                }
                for (auto& d : controls_)
                    if (d.design_.default_button && d.hwnd_) {
                        control_click(d);
                        return true;
                    }
                return true;
            }
        }
        msg.wParam = static_cast<WPARAM>(static_cast<std::uint16_t>(key));
    }
    return false;
}

void form::paint(HDC dc) {
    // Painted controls from back to front.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        control& c = *it;
        if (c.hwnd_ || !c.visible_) continue;
        const auto& d = c.design_;
        RECT r = c.rect_;
        switch (d.kind) {
        case control_kind::label: {
            if (!d.transparent) FillRect(dc, &r, brush_for(d.back));
            if (d.border) FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
            HGDIOBJ old = SelectObject(dc, font_for(d.font));
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, to_colorref(c.fore_));
            UINT fmt = DT_WORDBREAK | DT_NOPREFIX;
            if (d.text_align == align::centre) fmt |= DT_CENTER;
            if (d.text_align == align::right) fmt |= DT_RIGHT;
            RECT tr = r;
            if (d.border) InflateRect(&tr, -1, -1);
            DrawTextA(dc, c.caption_.c_str(), -1, &tr, fmt);
            SelectObject(dc, old);
            break;
        }
        case control_kind::image: draw_picture(dc, r, d.picture, d.border); break;
        case control_kind::shape: {
            HBRUSH b = brush_for(c.fore_);
            FrameRect(dc, &r, b);
            break;
        }
        default: break;
        }
    }
    paint_extra(dc);
}

LRESULT CALLBACK form::window_proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
        SetWindowLongPtrA(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* f = reinterpret_cast<form*>(GetWindowLongPtrA(h, GWLP_USERDATA));
    if (f && (f->hwnd_ == h || msg == WM_NCCREATE || msg == WM_CREATE)) {
        if (!f->hwnd_) f->hwnd_ = h;
        if (f->divert_input(msg, lp)) return 0;
        return f->handle_message(msg, wp, lp);
    }
    return DefWindowProcA(h, msg, wp, lp);
}

LRESULT form::handle_message(UINT msg, WPARAM wp, LPARAM lp) {
    HWND h = hwnd_;
    switch (msg) {
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(h, &r);
        FillRect(reinterpret_cast<HDC>(wp), &r, brush_for(design_.back));
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(h, &ps);
        paint(dc);
        EndPaint(h, &ps);
        return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN: {
        control* c = control_of(reinterpret_cast<HWND>(lp));
        if (!c || c->design_.kind == control_kind::command_button) break;
        HDC dc = reinterpret_cast<HDC>(wp);
        SetTextColor(dc, to_colorref(c->fore_));
        SetBkColor(dc, to_colorref(c->design_.back));
        return reinterpret_cast<LRESULT>(brush_for(c->design_.back));
    }
    case WM_COMMAND: {
        control* c = control_of(reinterpret_cast<HWND>(lp));
        if (c && HIWORD(wp) == BN_CLICKED) {
            control_click(*c);
            return 0;
        }
        break;
    }
    case WM_LBUTTONDOWN: {
        POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        pressed_ = painted_control_at(p);
        SetCapture(h);
        return 0;
    }
    case WM_LBUTTONUP: {
        ReleaseCapture();
        POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        control* c = painted_control_at(p);
        control* was = pressed_;
        pressed_ = nullptr;
        if (c && c == was)
            control_click(*c);
        else if (!c && !was)
            Form_Click();
        return 0;
    }
    case WM_MOUSEMOVE: {
        POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        if (control* c = painted_control_at(p))
            control_mouse_move(*c);
        else
            Form_MouseMove();
        return 0;
    }
    case WM_APP + 2:
        if (control* c = control_of(reinterpret_cast<HWND>(wp))) control_mouse_move(*c);
        return 0;
    case WM_APP + 3: {
        control* c = control_of(reinterpret_cast<HWND>(wp));
        SetCursor(c && c->design_.hand_cursor ? hand_cursor() : LoadCursor(nullptr, IDC_ARROW));
        return 0;
    }
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wp) == h && LOWORD(lp) == HTCLIENT) {
            POINT p;
            GetCursorPos(&p);
            ScreenToClient(h, &p);
            control* c = painted_control_at(p);
            SetCursor(c && c->design_.hand_cursor ? hand_cursor() : LoadCursor(nullptr, IDC_ARROW));
            return TRUE;
        }
        break;
    case WM_ACTIVATE:
        if (LOWORD(wp) == WA_INACTIVE) {
            // The control that has the keyboard gets it back when the form is active again
            // (after a modal window or a message box over it, say).
            if (control_of(GetFocus())) last_focus_ = GetFocus();
            break;
        }
        PostMessageA(h, msg_activate, 0, 0);
        if (last_focus_ && control_of(last_focus_)) {
            DefWindowProcA(h, msg, wp, lp);
            focus_keeping_options(last_focus_);
            return 0;
        }
        break;
    case WM_CHAR: {
        // A character typed while the form itself has the keyboard. Raised here rather than in
        // the program's own loop, so that it comes under any loop, a message box's included,
        // as a click does.
        auto key = static_cast<std::int16_t>(wp);
        Form_KeyPress(key);
        return 0;
    }
    case msg_activate: Form_Activate(); return 0;
    case WM_TIMER: timer_tick(static_cast<unsigned>(wp)); return 0;
    case WM_CLOSE: unload(); return 0;
    default: break;
    }
    return DefWindowProcA(h, msg, wp, lp);
}

}  // namespace glim::win32
