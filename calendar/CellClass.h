#pragma once
#include <string_view>

namespace VemoCalendar {

// The class tags a day cell (and a weekday title) carries.
inline constexpr std::string_view kTagPrev = "Prev";
inline constexpr std::string_view kTagCurr = "Curr";
inline constexpr std::string_view kTagCurrWeekend = "CurrWeekend";
inline constexpr std::string_view kTagCurrToday = "CurrToday";
inline constexpr std::string_view kTagCurrSelected = "CurrSelected";
inline constexpr std::string_view kTagNext = "Next";

}  // namespace VemoCalendar
