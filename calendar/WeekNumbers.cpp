#include "calendar/WeekNumbers.h"

#include "host/Date.h"

namespace VemoCalendar {
namespace {

// Monday = 1 .. Sunday = 7.
int IsoWeekday(int64_t dayNumber) { return (WeekdayOf(Date(static_cast<double>(dayNumber))) + 5) % 7 + 1; }

}  // namespace

int IsoWeekNumber(int64_t dayNumber) {
    const int64_t thursday = dayNumber + 4 - IsoWeekday(dayNumber);
    const int32_t year = YearOf(Date(static_cast<double>(thursday)));
    const int64_t dayOfYear = thursday - DayNumberOf(MakeDate(year, 1, 1));
    return static_cast<int>(dayOfYear / 7) + 1;
}

int RowWeekNumber(int64_t firstDay) { return IsoWeekNumber(firstDay + (4 - IsoWeekday(firstDay) + 7) % 7); }

}  // namespace VemoCalendar
