#include "calendar/MonthGridPlan.h"

#include "calendar/CellClass.h"

namespace VemoCalendar {

int NormalizedFirstDay(int firstDayOfWeek) {
    return static_cast<int>(((static_cast<int64_t>(firstDayOfWeek) - 1) % 7 + 7) % 7) + 1;
}

int WeekdayOfColumn(int firstDayOfWeek, int column) {
    const int w = (NormalizedFirstDay(firstDayOfWeek) + column) % 7;
    return w == 0 ? 7 : w;
}

MonthGridPlan PlanMonthGrid(Date shown, int firstDayOfWeek, Date today) {
    const int fdw = NormalizedFirstDay(firstDayOfWeek);
    const CivilDate c = CivilOf(shown);
    const int start = WeekdayIndex(FirstOfMonth(shown), fdw);
    const int prevDays = DaysInMonth(AddMonths(shown, -1));
    const int days = DaysInMonth(shown);
    const int64_t todayNumber = DayNumberOf(today);
    const int64_t firstNumber = DayNumberOf(MakeDate(c.year, c.month, 1));

    MonthGridPlan plan;
    plan.firstDay = firstNumber - (start - 1);
    for (int k = 1; k < start; ++k) plan.cells[static_cast<size_t>(k - 1)] = {prevDays - (start - 1 - k), kTagPrev};
    for (int n = 1; n <= days; ++n) {
        const int k = start + n - 1;
        const int w = WeekdayOfColumn(fdw, (k - 1) % 7);
        std::string_view tag = (w == 1 || w == 7) ? kTagCurrWeekend : kTagCurr;
        if (firstNumber + n - 1 == todayNumber) tag = kTagCurrToday;
        if (n == c.day) {
            tag = kTagCurrSelected;
            plan.selectedCell = k;
        }
        plan.cells[static_cast<size_t>(k - 1)] = {n, tag};
    }
    for (int k = start + days, n = 1; k <= 42; ++k, ++n) plan.cells[static_cast<size_t>(k - 1)] = {n, kTagNext};
    return plan;
}

}  // namespace VemoCalendar
