#pragma once
#include <cstdint>

#include "host/ParentForm.h"

namespace VemoCalendar {

// What the placement of the pop-up reads: screen positions in pixels, everything else in twips.
struct PopupPlacementInput {
    ScreenPoint parentOrigin;  // the parent's client-area origin on the screen
    ScreenPoint buttonOrigin;  // the button widget's client-area origin on the screen
    double twipsPerPixelX = 15, twipsPerPixelY = 15;
    double scaleLeft = 0, scaleTop = 0, scaleWidth = 0, scaleHeight = 0;  // the parent's
    double buttonWidth = 0, buttonHeight = 0;
    int32_t calWidth = 0, calHeight = 0;
};

struct PopupPosition {
    double left = 0;
    double top = 0;
};

// The pop-up's top-left corner in the parent's co-ordinates: at the button's centre, flipped to
// the left of (above) the centre when it would pass the parent's scale width (height), and then
// held at the parent's scale left (top). Only the parent's client area is considered.
PopupPosition PlacePopup(const PopupPlacementInput& in);

}  // namespace VemoCalendar
