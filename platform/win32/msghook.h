// A message hook of our own: it watches one window of this program and reports chosen messages
// that reach it to its owner. It is used the way the preview uses a message-hook control, by
// numbered properties:
//
//   property_hwnd (1)     put a window handle: the window to watch (0 stops watching);
//   property_message (3)  put with a message number as index: True reports that message,
//                         False stops reporting it.
//
// Each reported message calls the owner's handler with the message number and three further
// values: the message's wParam and lParam, and the result the window procedure returns for it
// (0 unless the handler changes it). A reported message is answered by the hook in place of the
// window's own handling; every other message goes on to the window as before.
//
// The watching is a subclass of the window, so the window must belong to this thread; it goes on
// wherever the window is moved (also into a parent window of another process) and ends by itself
// when the window is destroyed.
#pragma once

#include <windows.h>

#include <bitset>
#include <cstdint>
#include <functional>

namespace glim::win32 {

class msghook {
  public:
    static constexpr std::int32_t property_hwnd = 1;
    static constexpr std::int32_t property_message = 3;

    using message_handler = std::function<void(std::int32_t msg, std::int32_t wparam,
                                               std::int32_t lparam, std::int32_t& result)>;

    explicit msghook(message_handler on_message);
    ~msghook();
    msghook(const msghook&) = delete;
    msghook& operator=(const msghook&) = delete;

    // property_hwnd: the window handle as a 32-bit whole number.
    void put(std::int32_t property, std::int32_t value);
    // property_message: index a 16-bit message number, value whether to report it.
    void put(std::int32_t property, std::int16_t index, bool value);

    HWND watched() const { return watched_; }
    bool reports(std::uint32_t msg) const { return msg <= 0xFFFF && chosen_[msg]; }

  private:
    static LRESULT CALLBACK subclass_proc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                          DWORD_PTR self);
    void report(UINT msg, WPARAM wp, LPARAM lp, std::int32_t& result);
    void watch(HWND h);
    void stop_watching();

    message_handler on_message_;
    HWND watched_ = nullptr;
    std::bitset<0x10000> chosen_;
};

}  // namespace glim::win32
