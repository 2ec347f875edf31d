#pragma once
#include "host/PictureObject.h"

namespace VemoCalendar {

// A small calendar picture (a sheet with a red header and a grid of days), `size` pixels square.
PictureRef MakeCalendarIcon(int size);

}  // namespace VemoCalendar
