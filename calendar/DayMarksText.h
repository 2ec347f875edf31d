#pragma once
#include <string>
#include <string_view>

#include "calendar/DayMarks.h"

namespace VemoCalendar {

// Marks as the text a property bag keeps, one mark a line: a date ("2026-12-25") or a weekday
// ("Saturday"), then the attributes set, the tool tip last as it runs to the line's end:
//   2026-12-25 fore=#C00000 back=#FFE0E0 bold=1 italic=0 underline=1 tip=Christmas Day
// Colours are written #RRGGBB; a backslash and a line break in a tool tip are written \\ and \n.
std::string DayMarksToText(const DayMarks& marks);
// The marks of such a text; a line that does not read raises 13 ("Type mismatch").
DayMarks DayMarksFromText(std::string_view text);

}  // namespace VemoCalendar
