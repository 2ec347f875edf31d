#pragma once
#include "host/PictureObject.h"

namespace VemoCalendar {

// The 32 x 32 pictures of the two property pages: the calendar control's icon, and a push button
// with a calendar dropping from it.
PictureRef MakeCalendarPagePicture();
PictureRef MakeCalButtonPagePicture();

}  // namespace VemoCalendar
