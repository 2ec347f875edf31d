#include "headless/HeadlessLocale.h"

namespace VemoCalendar {

HeadlessLocale::Names HeadlessLocale::English() {
    return {{"January", "February", "March", "April", "May", "June", "July", "August", "September", "October",
             "November", "December"},
            {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
            {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
            {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}};
}

std::string HeadlessLocale::MonthName(int month, bool abbreviated) const {
    if (month < 1 || month > 12) return {};
    const auto& table = abbreviated ? names_.monthsAbbreviated : names_.months;
    return table[static_cast<size_t>(month - 1)];
}

std::string HeadlessLocale::WeekdayName(int weekday, bool abbreviated) const {
    if (weekday < 1 || weekday > 7) return {};
    const auto& table = abbreviated ? names_.weekdaysAbbreviated : names_.weekdays;
    return table[static_cast<size_t>(weekday - 1)];
}

}  // namespace VemoCalendar
