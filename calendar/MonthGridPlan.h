#pragma once
#include <array>
#include <cstdint>
#include <string_view>

#include "host/Date.h"

namespace VemoCalendar {

// What one day cell shows after a grid fill: the day number and its class tag.
struct PlannedCell {
    int day = 0;
    std::string_view tag;
};

struct MonthGridPlan {
    std::array<PlannedCell, 42> cells;  // cell k is cells[k - 1]
    int selectedCell = 0;               // 1..42
    int64_t firstDay = 0;               // day number of cell 1
};

// The 42 cells of the month of `shown`, weeks starting on `firstDayOfWeek` (1..7, Sunday = 1),
// with `shown`'s day selected and `today` marked when it falls in that month.
MonthGridPlan PlanMonthGrid(Date shown, int firstDayOfWeek, Date today);

// Weekday (Sunday = 1 .. Saturday = 7) shown in grid column `column` (0..6).
int WeekdayOfColumn(int firstDayOfWeek, int column);

// A first day of the week forced into 1..7, for values that came from a damaged bag.
int NormalizedFirstDay(int firstDayOfWeek);

}  // namespace VemoCalendar
