#pragma once
#include <array>
#include <string>

#include "host/LocaleNames.h"

namespace VemoCalendar {

// Month and weekday names held in memory: English unless a test supplies another locale's.
class HeadlessLocale : public LocaleNames {
public:
    struct Names {
        std::array<std::string, 12> months, monthsAbbreviated;
        std::array<std::string, 7> weekdays, weekdaysAbbreviated;  // Sunday first
    };
    static Names English();

    HeadlessLocale() : names_(English()) {}
    void SetNames(Names names) { names_ = std::move(names); }

    std::string MonthName(int month, bool abbreviated) const override;
    std::string WeekdayName(int weekday, bool abbreviated) const override;

private:
    Names names_;
};

}  // namespace VemoCalendar
