#pragma once
#include "host/PictureObject.h"

namespace VemoCalendar {

// The button's initial face picture: a 20 x 20 calendar page in the 16 standard colours.
PictureRef MakeButtonPicture();

}  // namespace VemoCalendar
