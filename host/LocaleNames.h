#pragma once
#include <string>

namespace VemoCalendar {

// Month and weekday names of the user's locale, UTF-8.
class LocaleNames {
public:
    virtual ~LocaleNames() = default;
    // month 1..12
    virtual std::string MonthName(int month, bool abbreviated) const = 0;
    // weekday 1 = Sunday .. 7 = Saturday
    virtual std::string WeekdayName(int weekday, bool abbreviated) const = 0;
};

}  // namespace VemoCalendar
