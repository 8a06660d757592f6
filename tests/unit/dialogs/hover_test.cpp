#include "dialogs/rules/hover.h"

#include <gtest/gtest.h>

#include <string>

using namespace glim;

namespace {

// A control's design place in pixels at 15 twips per pixel.
rect_f place_px(const char* name, int index = -1) {
    const config_control* c = find_config_control(name, index);
    EXPECT_NE(c, nullptr) << name;
    if (!c) return {};
    return {c->left / 15.0f, c->top / 15.0f, c->width / 15.0f, c->height / 15.0f};
}

std::string label_of(const hover_target& t) {
    return std::string(t.name) + (t.index >= 0 ? "(" + std::to_string(t.index) + ")" : "");
}

bool touch_or_overlap(const rect_f& a, const rect_f& b) {
    return a.left <= b.left + b.width && b.left <= a.left + a.width && a.top <= b.top + b.height &&
           b.top <= a.top + a.height;
}

}  // namespace

TEST(HoverFrame, AtTheDesignPlaces) {
    struct row {
        const char* name;
        int index;
        rect_f control, frame;
    };
    const row rows[] = {
        {"Check1", -1, {105, 57, 111, 19}, {100, 52, 121, 29}},
        {"Check2", -1, {106, 111, 111, 19}, {101, 106, 121, 29}},
        {"Option1", -1, {19, 172, 53, 17}, {14, 167, 63, 27}},
        {"Label1", 2, {198, 34, 145, 15}, {196, 32, 147, 17}},
        {"Label8", -1, {275, 246, 35, 15}, {273, 244, 37, 17}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const hover_target* t = find_hover_target(r.name, r.index);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(place_px(r.name, r.index), r.control);
        EXPECT_EQ(hover_frame(r.control, t->kind), r.frame);
    }
}

TEST(HoverFrame, ButtonsGetFiveAllRoundLabelsEndOnTheirOwnEdges) {
    for (const auto& t : hover_targets) {
        SCOPED_TRACE(label_of(t));
        rect_f c = place_px(t.name, t.index);
        rect_f f = hover_frame(c, t.kind);
        if (t.kind == hover_kind::button) {
            EXPECT_EQ(f.left, c.left - 5);
            EXPECT_EQ(f.top, c.top - 5);
            EXPECT_EQ(f.left + f.width, c.left + c.width + 5);
            EXPECT_EQ(f.top + f.height, c.top + c.height + 5);
        } else {
            EXPECT_EQ(f.left, c.left - 2);
            EXPECT_EQ(f.top, c.top - 2);
            EXPECT_EQ(f.left + f.width, c.left + c.width);
            EXPECT_EQ(f.top + f.height, c.top + c.height);
        }
    }
    // The maker line's frame ends at 343 across and 49 down.
    rect_f maker = hover_frame(place_px("Label1", 2), hover_kind::label);
    EXPECT_EQ(maker.left + maker.width, 343);
    EXPECT_EQ(maker.top + maker.height, 49);
}

TEST(HoverTargets, TwelveControlsWithTheirKindsAndDesignColours) {
    struct want {
        const char* name;
        int index;
        hover_kind kind;
        std::uint32_t colour;
    };
    const want all[] = {
        {"Check1", -1, hover_kind::button, 0x0000FF00},
        {"Check2", -1, hover_kind::button, 0x0000FF00},
        {"Option1", -1, hover_kind::button, 0x0000FF00},
        {"Option2", -1, hover_kind::button, 0x0000FF00},
        {"Option3", -1, hover_kind::button, 0x0000FF00},
        {"Label1", 2, hover_kind::label, 0x00808080},
        {"Label2", -1, hover_kind::label, 0x000000FF},
        {"Label3", -1, hover_kind::label, 0x000000FF},
        {"Label4", -1, hover_kind::label, 0x000000FF},
        {"Label5", -1, hover_kind::label, 0x000000FF},
        {"Label7", -1, hover_kind::label, 0x0000FFFF},
        {"Label8", -1, hover_kind::label, 0x0000FFFF},
    };
    for (const auto& w : all) {
        SCOPED_TRACE(w.name);
        const hover_target* t = find_hover_target(w.name, w.index);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->kind, w.kind);
        EXPECT_EQ(find_config_control(w.name, w.index)->fore, w.colour);
    }
    // The title lines and the picture do not light up.
    EXPECT_EQ(find_hover_target("Label1", 1), nullptr);
    EXPECT_EQ(find_hover_target("Label1", 3), nullptr);
    EXPECT_EQ(find_hover_target("Label1", -1), nullptr);
    EXPECT_EQ(find_hover_target("Image1", -1), nullptr);
    EXPECT_EQ(find_hover_target("Shape1", -1), nullptr);
}

TEST(HoverTargets, NoTwoTouchSoThePointerCrossesTheBackgroundBetweenThem) {
    for (std::size_t i = 0; i < hover_targets.size(); ++i)
        for (std::size_t j = i + 1; j < hover_targets.size(); ++j) {
            const auto &a = hover_targets[i], &b = hover_targets[j];
            EXPECT_FALSE(touch_or_overlap(place_px(a.name, a.index), place_px(b.name, b.index)))
                << label_of(a) << " and " << label_of(b);
        }
}

TEST(HoverFrameShape, StartsHiddenOutsideTheClientAreaInFrontOfTheLabels) {
    const config_control* shape = find_config_control("Shape1");
    ASSERT_NE(shape, nullptr);
    EXPECT_FALSE(shape->visible);
    EXPECT_EQ(shape->fore, 0x00FF0000u);
    EXPECT_GE(shape->left, configuration_client_width);
    EXPECT_EQ(place_px("Shape1"), (rect_f{492, 88, 103, 23}));
    // Painted controls are listed from front to back: the frame must come before every label it
    // frames, or a label would paint over it.
    auto position = [](const char* name, int index) {
        for (std::size_t i = 0; i < configuration_controls.size(); ++i)
            if (configuration_controls[i].name == std::string(name) &&
                configuration_controls[i].index == index)
                return i;
        return configuration_controls.size();
    };
    for (const auto& t : hover_targets)
        if (t.kind == hover_kind::label) {
            EXPECT_LT(position("Shape1", -1), position(t.name, t.index)) << label_of(t);
        }
}
