#pragma once
#include <string_view>

#include "calendar/DayMarks.h"
#include "host/Color.h"

namespace VemoCalendar {

// What a day cell is drawn with: colours and the font attributes a mark may change.
struct CellLook {
    Color back = 0;
    Color fore = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const CellLook&) const = default;
};

// The look of a day of class `tag` (looking `classLook` unmarked) under `mark`:
// - the mark's colours and font attributes replace the class's, but today stays bold;
// - a day of a neighbouring month keeps its class fore colour, so it still reads as another
//   month (as Qt greys them whatever their format);
// - the selected day keeps its selected back colour; its text takes the mark's fore colour, or
//   else its back colour, where that stays readable on the selected back (a contrast of at least
//   3:1), so a holiday's red still shows when it is selected.
CellLook MarkedLook(const CellLook& classLook, std::string_view tag, const DayFormat& mark, bool today);

// WCAG contrast ratio of two plain colours, 1..21.
double ContrastRatio(Color a, Color b);

}  // namespace VemoCalendar
