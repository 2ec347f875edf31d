#include "calendar/NameTables.h"

namespace VemoCalendar {

std::string FirstCharacter(std::string_view utf8) {
    if (utf8.empty()) return {};
    const auto lead = static_cast<unsigned char>(utf8[0]);
    size_t length = 1;
    if (lead >= 0xF0) length = 4;
    else if (lead >= 0xE0) length = 3;
    else if (lead >= 0xC0) length = 2;
    if (length > utf8.size()) return {};  // a truncated sequence is no character
    for (size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) return {};
    return std::string(utf8.substr(0, length));
}

std::array<std::string, 12> MonthTitles(const LocaleNames& locale, enumCALMonthTitle style) {
    std::array<std::string, 12> titles;
    for (int m = 1; m <= 12; ++m)
        titles[static_cast<size_t>(m - 1)] = locale.MonthName(m, style != VemocalMonthLong);
    return titles;
}

std::array<std::string, 7> DayTitles(const LocaleNames& locale, enumCALDayTitle style) {
    std::array<std::string, 7> titles;
    for (int w = 1; w <= 7; ++w) {
        const std::string name = locale.WeekdayName(w, style != VemocalDayLong);
        titles[static_cast<size_t>(w - 1)] = style == VemocalDayShort ? FirstCharacter(name) : name;
    }
    return titles;
}

}  // namespace VemoCalendar
