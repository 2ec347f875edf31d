#include "host/Date.h"

#include <algorithm>
#include <cmath>

namespace VemoCalendar {
namespace {

constexpr int64_t kDaysFrom1970To1899Dec30 = -25569;

// Proleptic Gregorian day count from 1 January 1970 (H. Hinnant's days_from_civil).
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CivilDate CivilFromDays(int64_t z) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int64_t d = doy - (153 * mp + 2) / 5 + 1;
    const int64_t m = mp + (mp < 10 ? 3 : -9);
    return {static_cast<int32_t>(era * 400 + yoe + (m <= 2)), static_cast<int32_t>(m),
            static_cast<int32_t>(d)};
}

int64_t SerialOf(int64_t y, int64_t m, int64_t d) {
    return DaysFromCivil(y, m, d) - kDaysFrom1970To1899Dec30;
}

double TimeOfDay(Date date) { return std::fabs(date.value - std::trunc(date.value)); }

// A whole day number with a time of day, written the OLE way (the fraction always adds time).
Date WithTime(int64_t dayNumber, double time) {
    const double day = static_cast<double>(dayNumber);
    return Date(dayNumber < 0 ? day - time : day + time);
}

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

}  // namespace

bool IsValidDate(Date date) {
    if (!std::isfinite(date.value)) return false;
    const double day = std::trunc(date.value);
    return day >= kMinDayNumber && day <= kMaxDayNumber;
}

int64_t DayNumberOf(Date date) {
    if (!std::isfinite(date.value)) return 0;
    const double day = std::clamp(std::trunc(date.value), -1e12, 1e12);
    return static_cast<int64_t>(day);
}

CivilDate CivilOf(Date date) { return CivilFromDays(DayNumberOf(date) + kDaysFrom1970To1899Dec30); }
int32_t YearOf(Date date) { return CivilOf(date).year; }
int32_t MonthOf(Date date) { return CivilOf(date).month; }
int32_t DayOf(Date date) { return CivilOf(date).day; }

int32_t WeekdayOf(Date date) {
    // Day 0 (30 December 1899) was a Saturday.
    const int64_t r = ((DayNumberOf(date) + 6) % 7 + 7) % 7;
    return static_cast<int32_t>(r) + 1;
}

Date MakeDate(int32_t year, int32_t month, int32_t day) {
    const int64_t months = static_cast<int64_t>(month) - 1;
    const int64_t y = static_cast<int64_t>(year) + FloorDiv(months, 12);
    const int64_t m = months - FloorDiv(months, 12) * 12 + 1;
    return Date(static_cast<double>(SerialOf(y, m, 1) + static_cast<int64_t>(day) - 1));
}

bool IsLeapYear(int32_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int32_t DaysInMonthOf(int32_t year, int32_t month) {
    static constexpr int32_t kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYear(year)) return 29;
    return kLengths[(month - 1) % 12];
}

Date AddMonths(Date date, int32_t n) {
    const CivilDate c = CivilOf(date);
    const int64_t total = static_cast<int64_t>(c.year) * 12 + (c.month - 1) + n;
    const auto y = static_cast<int32_t>(FloorDiv(total, 12));
    const auto m = static_cast<int32_t>(total - FloorDiv(total, 12) * 12 + 1);
    const int32_t d = std::min(c.day, DaysInMonthOf(y, m));
    return WithTime(SerialOf(y, m, d), TimeOfDay(date));
}

Date AddYears(Date date, int32_t n) { return AddMonths(date, 12 * n); }

Date FirstOfMonth(Date date) {
    const CivilDate c = CivilOf(date);
    return WithTime(DayNumberOf(date) - (c.day - 1), TimeOfDay(date));
}

int32_t DaysInMonth(Date date) {
    if (DayNumberOf(date) >= static_cast<int64_t>(kFirstOfDecember9999)) return 31;
    const CivilDate c = CivilOf(date);
    return DaysInMonthOf(c.year, c.month);
}

int32_t WeekdayIndex(Date date, int32_t first) {
    return ((WeekdayOf(date) - first + 7) % 7 + 7) % 7 + 1;
}

}  // namespace VemoCalendar
