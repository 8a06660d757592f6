// A small form layer over Win32: windows with load, activate and unload handlers, controls laid
// out from design tables in twips, modal and modeless showing, timers, message boxes and the
// processing of pending window events. Every dialog of the program is a form; their handlers
// run nested inside whoever processes events, as on the platform's own form packages.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace glim::win32 {

// Twips per pixel of the screen (1440 / logical dots per inch).
double twips_per_pixel_x();
double twips_per_pixel_y();
int twips_to_px_x(double twips);
int twips_to_px_y(double twips);

// Processes every pending window event once, passing keys to the forms that own them.
void process_events();
// Waits up to `ms` milliseconds for a window message (returns early when one arrives).
void wait_for_events(std::uint32_t ms);
// Ends the program at once: no unload handler of any window runs.
[[noreturn]] void end_program();
int message_box(const std::string& text, const std::string& title, unsigned style,
                HWND owner = nullptr);
// Opens a document or an address with its default program (ShellExecuteA, default verb, shown
// normally); a failure is not reported.
void shell_open(HWND owner, const std::string& file);
// The number of forms that are loaded; the program ends when it drops to 0.
int loaded_form_count();

// picture_box is a real child window (it can be given to another window as its child); image is
// painted by the form. Both show the bitmap resource `picture` at their top-left corner, inside
// a sunken border two pixels wide when `border` is set.
enum class control_kind {
    label,
    check_box,
    option_button,
    text_box,
    command_button,
    image,
    shape,
    picture_box
};

struct font_spec {
    const char* face = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
};

// Colours: 0x00BBGGRR, or one of these to take a system colour.
inline constexpr std::uint32_t sys_button_face = 0x80000000u | COLOR_BTNFACE;
inline constexpr std::uint32_t sys_button_text = 0x80000000u | COLOR_BTNTEXT;
inline constexpr std::uint32_t sys_window = 0x80000000u | COLOR_WINDOW;
inline constexpr std::uint32_t sys_window_text = 0x80000000u | COLOR_WINDOWTEXT;

enum class align { left, centre, right };

struct control_design {
    const char* name;
    control_kind kind;
    const char* caption = "";
    int left = 0, top = 0, width = 0, height = 0;  // twips within the client area
    int tab_index = -1;                            // -1: takes no focus
    int index = -1;                                // element of a control array, -1 for none
    font_spec font{};
    std::uint32_t fore = sys_button_text;
    std::uint32_t back = sys_button_face;
    bool transparent = false;  // labels: no background of their own
    align text_align = align::left;
    bool border = false;    // labels: a single-line border; images and picture boxes: sunken
    bool password = false;  // text boxes: show every character as '*'
    bool ime_off = false;   // text boxes: no input-method editor
    bool default_button = false;
    const char* tooltip = nullptr;
    bool hand_cursor = false;
    int picture = 0;  // images: bitmap resource id
    bool visible = true;
    bool auto_size = false;  // labels: sized to their text
};

struct form_design {
    const char* caption = "";
    int client_width = 0, client_height = 0;  // twips
    std::uint32_t back = sys_button_face;
    int icon = 0;  // icon resource id, 0 for none
    font_spec font{};
    bool topmost_popup = false;  // a borderless full-screen window (the saver)
};

class form;

class control {
  public:
    const control_design& design() const { return design_; }
    const char* name() const { return design_.name; }
    HWND hwnd() const { return hwnd_; }

    std::string text() const;
    void set_text(const std::string& t);
    int value() const;  // check box: 0 or 1; option button: 1 when selected
    void set_value(int v);
    void set_fore_color(std::uint32_t c);
    std::uint32_t fore_color() const { return fore_; }
    void set_visible(bool v);
    bool visible() const { return visible_; }
    // Place in pixels of the client area.
    RECT rect_px() const { return rect_; }
    void move_px(int left, int top, int width, int height);
    void set_focus();

  private:
    friend class form;
    control_design design_;
    form* owner_ = nullptr;
    HWND hwnd_ = nullptr;  // real child window, or null for painted controls
    RECT rect_{};
    std::uint32_t fore_ = 0;
    bool visible_ = true;
    std::string caption_;
};

class form {
  public:
    form(form_design design, std::vector<control_design> controls);
    virtual ~form();
    form(const form&) = delete;
    form& operator=(const form&) = delete;

    // Creates the window and its controls (hidden) and runs Form_Load. Nothing when loaded.
    void load();
    // Loads when needed, shows, and returns at once.
    void show_modeless();
    // Loads when needed, shows, and returns only when the form has unloaded; the other windows
    // of the program take no input meanwhile.
    void show_modal();
    // Runs Form_Unload; destroys the window unless the handler set cancel.
    void unload();
    bool loaded() const { return hwnd_ != nullptr; }
    HWND hwnd() const { return hwnd_; }

    // Outer frame in twips.
    double left_twips() const;
    double top_twips() const;
    double width_twips() const;
    double height_twips() const;
    void move_twips(double left, double top);

    control& ctl(const char* name, int index = -1);
    void start_timer(unsigned id, unsigned ms);
    void stop_timer(unsigned id);
    void repaint();
    // Brings the window above the others of its band and makes it the active window; a modal
    // window up over it comes just above it and is made active instead. True when this window
    // itself is active, with no modal window over it.
    bool bring_to_front();

    // Handlers, named as the events they stand for.
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Unload(std::int16_t& cancel) {}
    virtual void Form_Click() {}
    virtual void Form_KeyPress(std::int16_t& key) {}
    virtual void Form_MouseMove() {}
    virtual void control_click(control& c) {}
    virtual void control_key_press(control& c, std::int16_t& key) {}
    virtual void control_mouse_move(control& c) {}
    virtual void timer_tick(unsigned id) {}
    // Paints what the form draws itself, after its painted controls (the saver's picture).
    virtual void paint_extra(HDC dc) {}

    static LRESULT CALLBACK window_proc(HWND, UINT, WPARAM, LPARAM);
    // The form that owns this window (the form itself or one of its controls), or null.
    static form* from_window(HWND h);
    // Key routing done before the message is dispatched; true when it was consumed.
    bool pre_translate(MSG& msg);
    // A form with a modal window over it takes no key or mouse input of its own: a key or button
    // pressed on it, or on one of its controls, brings that modal window forward instead. True
    // when the message must go no further.
    bool divert_input(UINT msg, LPARAM lp);

  protected:
    virtual LRESULT handle_message(UINT msg, WPARAM wp, LPARAM lp);

  private:
    void create_window();
    void create_controls();
    void paint(HDC dc);
    control* painted_control_at(POINT p);
    control* control_of(HWND h);
    void focus_next(bool backwards);
    void select_next_option(control& from, bool backwards);
    void focus_keeping_options(HWND h);
    HFONT font_for(const font_spec& f);
    HBRUSH brush_for(std::uint32_t colour);
    void destroy_window();
    void enable_disabled_by_modal();
    // The window that the given one is disabled for (a message box it owns, or a modal form);
    // null when it takes input itself.
    static HWND modal_window_over(HWND owner);

  public:
    std::vector<control*> controls_for_group();

  private:
    form_design design_;
    std::vector<control> controls_;
    std::vector<std::pair<font_spec, HFONT>> fonts_;
    HWND hwnd_ = nullptr;
    HWND tooltip_ = nullptr;
    HWND first_focus_ = nullptr;
    HWND last_focus_ = nullptr;  // the control that had the keyboard when the form lost it
    HBRUSH back_brush_ = nullptr;
    std::vector<std::pair<std::uint32_t, HBRUSH>> brushes_;
    control* pressed_ = nullptr;
    bool unloading_ = false;
    std::vector<HWND> disabled_by_modal_;  // enabled again when the modal showing ends
};

COLORREF to_colorref(std::uint32_t c);

}  // namespace glim::win32
