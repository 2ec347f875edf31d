#include "calendar/DayKeys.h"

namespace VemoCalendar {

std::optional<Date> DayKeyTarget(Date value, int16_t keyCode, int16_t shift) {
    const CivilDate c = CivilOf(value);
    const bool ctrl = (shift & kShiftCtrl) != 0;
    switch (keyCode) {
        case kKeyLeft: return MakeDate(c.year, c.month, c.day - 1);
        case kKeyRight: return MakeDate(c.year, c.month, c.day + 1);
        case kKeyUp: return MakeDate(c.year, c.month, c.day - 7);
        case kKeyDown: return MakeDate(c.year, c.month, c.day + 7);
        case kKeyPageUp: return ctrl ? AddYears(value, -1) : AddMonths(value, -1);
        case kKeyPageDown: return ctrl ? AddYears(value, 1) : AddMonths(value, 1);
        case kKeyHome: return MakeDate(c.year, c.month, 1);
        case kKeyEnd: return MakeDate(c.year, c.month, DaysInMonth(value));
        default: return std::nullopt;
    }
}

}  // namespace VemoCalendar
