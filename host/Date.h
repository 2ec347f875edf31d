#pragma once
#include <compare>
#include <cstdint>

#include "host/Export.h"

namespace VemoCalendar {

// A date as a day number counted from 30 December 1899 (day 0); the fraction is the time of day.
// Below day 0 the whole part still names the day and the fraction is the time, as in OLE dates.
struct Date {
    double value = 0.0;

    constexpr Date() = default;
    constexpr explicit Date(double dayNumber) : value(dayNumber) {}
    constexpr bool operator==(const Date&) const = default;
};

inline constexpr double kMinDayNumber = -657434.0;  // 1 January 100
inline constexpr double kMaxDayNumber = 2958465.0;  // 31 December 9999
inline constexpr double kFirstOfDecember9999 = 2958435.0;

struct CivilDate {
    int32_t year;
    int32_t month;  // 1..12
    int32_t day;    // 1..31
};

// Finite and between 1 January 100 and the end of 31 December 9999.
VEMOCALENDAR_EXPORT bool IsValidDate(Date date);

// The whole day of a date (its day number without the time of day).
VEMOCALENDAR_EXPORT int64_t DayNumberOf(Date date);
VEMOCALENDAR_EXPORT CivilDate CivilOf(Date date);
VEMOCALENDAR_EXPORT int32_t YearOf(Date date);
VEMOCALENDAR_EXPORT int32_t MonthOf(Date date);
VEMOCALENDAR_EXPORT int32_t DayOf(Date date);
// Sunday = 1 .. Saturday = 7.
VEMOCALENDAR_EXPORT int32_t WeekdayOf(Date date);

// The date with month and day overflow carried; no fraction. May lie outside the valid range:
// callers that navigate check IsValidDate before taking the result.
VEMOCALENDAR_EXPORT Date MakeDate(int32_t year, int32_t month, int32_t day);
// n months later, clamped to the end of a shorter target month; the time of day stays.
VEMOCALENDAR_EXPORT Date AddMonths(Date date, int32_t n);
VEMOCALENDAR_EXPORT Date AddYears(Date date, int32_t n);
VEMOCALENDAR_EXPORT Date FirstOfMonth(Date date);
// 31 from 1 December 9999 on, where the next month lies beyond the date range.
VEMOCALENDAR_EXPORT int32_t DaysInMonth(Date date);
// Position 1..7 of the date's weekday in a week starting on weekday `first` (Sunday = 1).
VEMOCALENDAR_EXPORT int32_t WeekdayIndex(Date date, int32_t first);

VEMOCALENDAR_EXPORT bool IsLeapYear(int32_t year);
VEMOCALENDAR_EXPORT int32_t DaysInMonthOf(int32_t year, int32_t month);

}  // namespace VemoCalendar
