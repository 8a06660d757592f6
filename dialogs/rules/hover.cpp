#include "dialogs/rules/hover.h"

namespace glim {

hover_margin margin_of(hover_kind kind) {
    return kind == hover_kind::button ? hover_margin{5.0f, 10.0f} : hover_margin{2.0f, 2.0f};
}

rect_f hover_frame(const rect_f& control, hover_kind kind) {
    hover_margin m = margin_of(kind);
    return {control.left - m.move, control.top - m.move, control.width + m.growth,
            control.height + m.growth};
}

const std::array<hover_target, 12> hover_targets{{
    {"Check1", -1, hover_kind::button},
    {"Check2", -1, hover_kind::button},
    {"Option1", -1, hover_kind::button},
    {"Option2", -1, hover_kind::button},
    {"Option3", -1, hover_kind::button},
    {"Label2", -1, hover_kind::label},
    {"Label3", -1, hover_kind::label},
    {"Label4", -1, hover_kind::label},
    {"Label5", -1, hover_kind::label},
    {"Label7", -1, hover_kind::label},
    {"Label8", -1, hover_kind::label},
    {"Label1", 2, hover_kind::label},
}};

const hover_target* find_hover_target(std::string_view name, int index) {
    for (const auto& t : hover_targets)
        if (name == t.name && t.index == index) return &t;
    return nullptr;
}

}  // namespace glim
