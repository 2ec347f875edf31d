#include "calbutton/PopupPlacement.h"

#include <cmath>

namespace VemoCalendar {
namespace {

// One axis: centre, then the fit test against the scale extent itself (not origin + extent).
double Fit(int32_t buttonPixels, int32_t parentPixels, double twipsPerPixel, double scaleOrigin, double scaleExtent,
           double buttonExtent, int32_t popupExtent) {
    double at = std::nearbyint((buttonPixels - parentPixels) * twipsPerPixel + scaleOrigin + buttonExtent / 2);
    if (at + popupExtent > scaleExtent) {
        at -= popupExtent;
        if (at < scaleOrigin) at = std::nearbyint(scaleOrigin);
    }
    return at;
}

}  // namespace

PopupPosition PlacePopup(const PopupPlacementInput& in) {
    return {Fit(in.buttonOrigin.x, in.parentOrigin.x, in.twipsPerPixelX, in.scaleLeft, in.scaleWidth, in.buttonWidth,
                in.calWidth),
            Fit(in.buttonOrigin.y, in.parentOrigin.y, in.twipsPerPixelY, in.scaleTop, in.scaleHeight, in.buttonHeight,
                in.calHeight)};
}

}  // namespace VemoCalendar
