#include "platform/win32/msghook.h"

#include <commctrl.h>

#include <utility>

namespace glim::win32 {

msghook::msghook(message_handler on_message) : on_message_(std::move(on_message)) {}

msghook::~msghook() {
    stop_watching();
}

void msghook::put(std::int32_t property, std::int32_t value) {
    if (property == property_hwnd) watch(reinterpret_cast<HWND>(static_cast<std::intptr_t>(value)));
}

void msghook::put(std::int32_t property, std::int16_t index, bool value) {
    if (property == property_message) chosen_[static_cast<std::uint16_t>(index)] = value;
}

void msghook::watch(HWND h) {
    if (h == watched_) return;
    stop_watching();
    if (!h || !IsWindow(h)) return;
    // A subclass only works on a window of the calling thread.
    if (GetWindowThreadProcessId(h, nullptr) != GetCurrentThreadId()) return;
    if (SetWindowSubclass(h, subclass_proc, reinterpret_cast<UINT_PTR>(this),
                          reinterpret_cast<DWORD_PTR>(this)))
        watched_ = h;
}

void msghook::stop_watching() {
    if (watched_ && IsWindow(watched_))
        RemoveWindowSubclass(watched_, subclass_proc, reinterpret_cast<UINT_PTR>(this));
    watched_ = nullptr;
}

LRESULT CALLBACK msghook::subclass_proc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                        DWORD_PTR ref) {
    auto* self = reinterpret_cast<msghook*>(ref);
    if (msg == WM_NCDESTROY) {
        // The window goes and the watch ends with it; this last message must reach the window.
        RemoveWindowSubclass(h, subclass_proc, id);
        if (self->watched_ == h) self->watched_ = nullptr;
        std::int32_t ignored = 0;
        if (self->reports(msg)) self->report(msg, wp, lp, ignored);
        return DefSubclassProc(h, msg, wp, lp);
    }
    if (!self->reports(msg)) return DefSubclassProc(h, msg, wp, lp);
    std::int32_t result = 0;
    self->report(msg, wp, lp, result);
    return result;
}

void msghook::report(UINT msg, WPARAM wp, LPARAM lp, std::int32_t& result) {
    if (!on_message_) return;
    // A copy: the handler may stop the watch or even end this hook while it runs.
    message_handler handler = on_message_;
    handler(static_cast<std::int32_t>(msg), static_cast<std::int32_t>(wp),
            static_cast<std::int32_t>(lp), result);
}

}  // namespace glim::win32
