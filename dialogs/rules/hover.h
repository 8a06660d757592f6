// The configuration dialog's hover highlighting without its window: which controls light up,
// and where the frame goes around them.
#pragma once

#include <array>
#include <string_view>

#include "dialogs/rules/configuration.h"

namespace glim {

// A place in pixels of the dialog's client area, as the dialog's code reads and sets places.
struct rect_f {
    float left, top, width, height;
    bool operator==(const rect_f&) const = default;
};

// Check boxes and option buttons get a frame 5 pixels outside them on every side; labels one
// that starts 2 pixels above and to the left and ends on their own right and bottom edges.
enum class hover_kind { button, label };

struct hover_margin {
    float move;    // taken off Left and Top
    float growth;  // added to Width and Height
};

hover_margin margin_of(hover_kind kind);

// The frame's place for a control at `control`.
rect_f hover_frame(const rect_f& control, hover_kind kind);

inline constexpr std::uint32_t hover_text_colour = colour_white;

struct hover_target {
    const char* name;
    int index;
    hover_kind kind;
};

// The twelve controls that light up, in the order the pointer's return to the background gives
// them back their design colours. The title lines and the picture are not among them.
extern const std::array<hover_target, 12> hover_targets;

// The target of that name and element, or null when the control does not light up.
const hover_target* find_hover_target(std::string_view name, int index);

}  // namespace glim
