#include <charconv>

#include "calendar/CellClass.h"
#include "calendar/QvCalendar.h"

namespace VemoCalendar {
namespace {

// The day number a cell shows; the grid always writes plain decimal captions.
int DayShown(const Panel& cell) {
    const std::string& caption = cell.Caption();
    int day = 0;
    std::from_chars(caption.data(), caption.data() + caption.size(), day);
    return day;
}

bool IsShownMonthTag(std::string_view tag) {
    return tag == kTagCurr || tag == kTagCurrWeekend || tag == kTagCurrToday || tag == kTagCurrSelected;
}

}  // namespace

void QvCalendar::pnlCalNum_Click(int k) {
    Panel& cell = pnlCalNum(k);
    const std::string tag = cell.Tag();
    const CivilDate shown = CivilOf(calValue_);
    // A calendar without selection only reports the click; a day outside a set range is no
    // choice either (its cell is disabled, so only code gets here).
    const bool choosing = Selecting() && !CellOutOfRange(k);
    if (choosing && (tag == kTagPrev || tag == kTagNext)) {
        // Days of the neighbouring months navigate there, silently refused at the year limit of
        // that side and at the ends of the date range.
        const bool prev = tag == kTagPrev;
        const bool atLimit = prev ? shown.year == calMinYear_ && shown.month == 1
                                  : shown.year == calMaxYear_ && shown.month == 12;
        const Date target = MakeDate(shown.year, shown.month + (prev ? -1 : 1), DayShown(cell));
        if (!atLimit && IsValidDate(target)) StoreValueAndRefresh(target);
    } else if (choosing && IsShownMonthTag(tag) && k != selectedCell_) {
        // Moving the selection within the month repaints two cells instead of refilling the grid;
        // notifiedValue stays, so the next Refresh still reports the change.
        PaintShownMonthDay(selectedCell_, DayShown(pnlCalNum(selectedCell_)));
        PaintSelected(k);
        StoreValueQuietly(MakeDate(shown.year, shown.month, DayShown(cell)));
        selectedCell_ = k;
        hoverCell_ = k;
        RaiseEvent("ValueChanged");
    }
    RaiseEvent("Click");
}

// The click before a double-click has already selected a day of the shown month; a double-click
// that ends on a plain or neighbouring-month cell (the month changed under it) picks nothing.
void QvCalendar::pnlCalNum_DblClick(int k) {
    const std::string& tag = pnlCalNum(k).Tag();
    if (tag == kTagCurrSelected || tag == kTagCurrToday || tag == kTagCurrWeekend) RaiseEvent("DblClick");
}

void QvCalendar::pnlCalNum_MouseMove(int k, MouseArgs& args) {
    if (calMouseSensitiveDate_ && k != hoverCell_) {
        ClearHover(hoverCell_);
        pnlCalNum(k).SetBevelOuter(hoverBevel_);
        hoverCell_ = k;
    }
    RaiseMouseEvent("MouseMove", args);
}

// hoverCell stays: returning straight to the same cell does not light it again.
void QvCalendar::ClearHover(int k) {
    if (k < 1 || k > 42) return;  // no grid fill yet
    Panel& cell = pnlCalNum(k);
    if (cell.BevelOuter() != hoverBevel_) return;
    cell.SetBevelOuter(cell.Tag() == kTagCurrSelected ? selectedBevel_ : NormalBevel());
}

void QvCalendar::ClearMouseHover() {
    if (calMouseSensitiveDate_) ClearHover(hoverCell_);
}

}  // namespace VemoCalendar
