#pragma once
#include <cstdint>
#include <optional>

#include "host/Date.h"

namespace VemoCalendar {

// Key codes of the keys that move the selected day while the day grid has the focus.
inline constexpr int16_t kKeyPageUp = 33, kKeyPageDown = 34, kKeyEnd = 35, kKeyHome = 36, kKeyLeft = 37,
                         kKeyUp = 38, kKeyRight = 39, kKeyDown = 40;
inline constexpr int16_t kShiftCtrl = 2;

// The date a key moves `value` to: a day (Left, Right), a week (Up, Down), a month (PgUp, PgDn),
// a year (Ctrl+PgUp, Ctrl+PgDn), or the first and last day of the month (Home, End). Nothing for
// any other key. The result may lie outside the date range; the caller decides.
std::optional<Date> DayKeyTarget(Date value, int16_t keyCode, int16_t shift);

}  // namespace VemoCalendar
