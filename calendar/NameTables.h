#pragma once
#include <array>
#include <string>
#include <string_view>

#include "calendar/Enumerations.h"
#include "host/LocaleNames.h"

namespace VemoCalendar {

// The first character of a UTF-8 text: its first code point, never a lone byte.
std::string FirstCharacter(std::string_view utf8);

// Month titles 1..12 (at [m - 1]) in the chosen length.
std::array<std::string, 12> MonthTitles(const LocaleNames& locale, enumCALMonthTitle style);
// Weekday titles Sunday..Saturday (at [w - 1]): one letter, abbreviated or full.
std::array<std::string, 7> DayTitles(const LocaleNames& locale, enumCALDayTitle style);

}  // namespace VemoCalendar
