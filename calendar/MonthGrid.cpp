#include <string>

#include "calendar/CellClass.h"
#include "calendar/MonthGridPlan.h"
#include "calendar/QvCalendar.h"

namespace VemoCalendar {

void QvCalendar::FillMonthGrid(Date date) {
    const MonthGridPlan plan = PlanMonthGrid(date, calFirstDayofWeek_, site_.Today());
    gridFirstDay_ = plan.firstDay;
    ShowMonthYear();
    const bool fontBold = calFont_ && calFont_->bold;
    for (int k = 1; k <= 42; ++k) {
        const PlannedCell& planned = plan.cells[static_cast<size_t>(k - 1)];
        Panel& cell = pnlCalNum(k);
        cell.SetTag(std::string(planned.tag));
        cell.SetCaption(std::to_string(planned.day));
        cell.SetBevelOuter(planned.tag == kTagCurrSelected ? selectedBevel_ : NormalBevel());
        // Tab reaches the day grid at its selected day.
        cell.SetTabStop(planned.tag == kTagCurrSelected);
        PaintClassColors(cell, planned.tag);
        // Today is bold whatever the font says; the selected day keeps today's bold flag.
        const bool isToday = planned.tag == kTagCurrToday ||
                             (planned.tag == kTagCurrSelected && DayNumberOf(date) == DayNumberOf(site_.Today()));
        cell.SetFontBold(fontBold || isToday);
    }
    selectedCell_ = plan.selectedCell;
    hoverCell_ = plan.selectedCell;
    ApplyRangeToCells();
    PaintGridMarks();
    PaintWeekColumn();
}

void QvCalendar::ShowMonthYear() {
    const CivilDate c = CivilOf(calValue_);
    pnlText_->SetCaption(monthNames_[static_cast<size_t>(c.month - 1)] + " " + std::to_string(c.year));
    // Setting the index from code reports a change like the user's choice (cbxMonth_Click).
    if (cbxMonth_->ListCount() >= c.month) cbxMonth_->SetListIndex(c.month - 1);
    txtYear_->SetText(std::to_string(c.year));
    UserControl_Resize();
}

void QvCalendar::FillWeekdayTitles() {
    for (int i = 1; i <= 7; ++i) {
        const int w = WeekdayOfColumn(calFirstDayofWeek_, i - 1);
        Panel& title = pnlCalDay(i);
        title.SetCaption(dayNames_[static_cast<size_t>(w - 1)]);
        const bool weekend = w == 1 || w == 7;
        title.SetTag(std::string(weekend ? kTagCurrWeekend : kTagCurr));
        title.SetBackColor(weekend ? calCurrentMonthWeekendsBackColor_ : calCurrentMonthBackColor_);
        title.SetForeColor(weekend ? calCurrentMonthWeekendsForeColor_ : calCurrentMonthForeColor_);
    }
    UserControl_Resize();
}

void QvCalendar::PaintShownMonthDay(int k, int day) {
    Panel& cell = pnlCalNum(k);
    const int w = WeekdayOfColumn(calFirstDayofWeek_, (k - 1) % 7);
    const CivilDate c = CivilOf(calValue_);
    const bool today = DayNumberOf(MakeDate(c.year, c.month, day)) == DayNumberOf(site_.Today());
    const std::string_view tag = today ? kTagCurrToday : (w == 1 || w == 7) ? kTagCurrWeekend : kTagCurr;
    cell.SetTag(std::string(tag));
    cell.SetBevelOuter(NormalBevel());
    cell.SetTabStop(false);
    PaintClassColors(cell, tag);
    cell.SetFontBold((calFont_ && calFont_->bold) || today);
    PaintCellMark(k);
}

void QvCalendar::PaintSelected(int k) {
    Panel& cell = pnlCalNum(k);
    cell.SetTag(std::string(kTagCurrSelected));
    cell.SetBevelOuter(selectedBevel_);
    cell.SetTabStop(true);
    PaintClassColors(cell, kTagCurrSelected);
    PaintCellMark(k);
}

void QvCalendar::PaintClassColors(Panel& cell, std::string_view tag) {
    struct Pair {
        Color back, fore;
    };
    Pair colors;
    if (tag == kTagPrev) colors = {calPreviousMonthBackColor_, calPreviousMonthForeColor_};
    else if (tag == kTagCurr) colors = {calCurrentMonthBackColor_, calCurrentMonthForeColor_};
    else if (tag == kTagCurrToday) colors = {calCurrentDateBackColor_, calCurrentDateForeColor_};
    else if (tag == kTagCurrSelected) colors = {calSelectedDayBackColor_, calSelectedDayForeColor_};
    else if (tag == kTagCurrWeekend) colors = {calCurrentMonthWeekendsBackColor_, calCurrentMonthWeekendsForeColor_};
    else if (tag == kTagNext) colors = {calNextMonthBackColor_, calNextMonthForeColor_};
    else return;  // an unknown tag keeps its colours
    cell.SetBackColor(colors.back);
    cell.SetForeColor(colors.fore);
}

}  // namespace VemoCalendar
