#include <gtest/gtest.h>

#include <string>

#include "calbutton/PopupPlacement.h"

namespace VemoCalendar {
namespace {

struct PlacementCase {
    std::string name;
    PopupPlacementInput in;
    double left, top;
};

// The worked example: a 1215 x 375 twip button 40 x 20 pixels into a parent of scale origin 0.
PopupPlacementInput Example() {
    PopupPlacementInput in;
    in.parentOrigin = {200, 100};
    in.buttonOrigin = {240, 120};
    in.scaleWidth = 9600;
    in.scaleHeight = 7200;
    in.buttonWidth = 1215;
    in.buttonHeight = 375;
    in.calWidth = 3200;
    in.calHeight = 4000;
    return in;
}

PopupPlacementInput With(void (*change)(PopupPlacementInput&)) {
    PopupPlacementInput in = Example();
    change(in);
    return in;
}

class PopupPlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(PopupPlacementTest, PutsTheCornerWhereTheRulesSay) {
    const PopupPosition at = PlacePopup(GetParam().in);
    EXPECT_EQ(at.left, GetParam().left);
    EXPECT_EQ(at.top, GetParam().top);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PopupPlacementTest,
    ::testing::Values(
        // 600 + 607.5 and 300 + 187.5, each rounded half to even.
        PlacementCase{"centre_of_the_button", Example(), 1208, 488},
        PlacementCase{"half_twip_rounds_down_to_even",
                      With([](PopupPlacementInput& in) { in.buttonWidth = 1213, in.buttonHeight = 373; }), 1206, 486},
        // Centre 3608: 3608 + 3200 passes 5000, so the right edge goes to the centre.
        PlacementCase{"flips_left_when_too_wide",
                      With([](PopupPlacementInput& in) { in.buttonOrigin.x = 400, in.scaleWidth = 5000; }), 408, 488},
        PlacementCase{"flips_up_when_too_tall",
                      With([](PopupPlacementInput& in) { in.buttonOrigin.y = 400, in.scaleHeight = 6000; }), 1208, 488 + 4200 - 4000},
        // A right edge exactly on the scale width still fits.
        PlacementCase{"edge_on_the_scale_width_fits",
                      With([](PopupPlacementInput& in) { in.scaleWidth = 1208 + 3200; }), 1208, 488},
        PlacementCase{"clamped_to_scale_left_after_flipping",
                      With([](PopupPlacementInput& in) { in.scaleWidth = 4000, in.scaleLeft = 100; }), 100, 488},
        PlacementCase{"clamped_to_scale_top_after_flipping",
                      With([](PopupPlacementInput& in) { in.scaleHeight = 4000, in.scaleTop = 50; }), 1208, 50},
        // The fit test compares with the scale width itself, not the scale's right edge.
        PlacementCase{"fit_ignores_the_scale_origin",
                      With([](PopupPlacementInput& in) { in.scaleLeft = 1000, in.scaleWidth = 5000; }), 1000, 488},
        PlacementCase{"clamp_rounds_a_fractional_scale_origin",
                      With([](PopupPlacementInput& in) { in.scaleWidth = 4000, in.scaleLeft = 120.5; }), 120, 488},
        PlacementCase{"pixels_of_another_size",
                      With([](PopupPlacementInput& in) { in.twipsPerPixelX = 12, in.twipsPerPixelY = 12; }),
                      480 + 607.5 + 0.5, 240 + 187.5 + 0.5}),
    [](const ::testing::TestParamInfo<PlacementCase>& info) { return info.param.name; });

}  // namespace
}  // namespace VemoCalendar
