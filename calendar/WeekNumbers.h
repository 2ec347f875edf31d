#pragma once
#include <cstdint>

namespace VemoCalendar {

// The ISO 8601 week (1..53) of the day: weeks start on Monday, and week 1 is the one holding the
// year's first Thursday.
int IsoWeekNumber(int64_t dayNumber);

// The week number of a grid row of seven days from `firstDay`, whatever its first weekday: the
// ISO week of the row's Thursday, which is the week holding at least four of the row's days.
int RowWeekNumber(int64_t firstDay);

}  // namespace VemoCalendar
