#include "calendar/DayKeys.h"
#include "calendar/QvCalendar.h"

namespace VemoCalendar {
namespace {

constexpr int16_t kKeyEnter = 13, kKeySpace = 32;

}  // namespace

// Keys move the selected day after the host has seen KeyDown, so a handler that clears KeyCode
// cancels the step. Steps hold the year limits and the date range silently, as clicks on days
// of the neighbouring months do; a value already outside the limits may still move in its year.
void QvCalendar::pnlCalNum_KeyDown(KeyArgs& args) {
    RaiseKeyEvent("KeyDown", args);
    if (args.keyCode == kKeyEnter || args.keyCode == kKeySpace) {
        if (selectedCell_ != 0) pnlCalNum_Click(selectedCell_);
        return;
    }
    // Without selection only the month and year keys browse.
    if (!Selecting() && args.keyCode != kKeyPageUp && args.keyCode != kKeyPageDown) return;
    // A set range stops a step at its end; at the end itself the key does nothing.
    std::optional<Date> target = DayKeyTarget(calValue_, args.keyCode, args.shift);
    if (target) target = HeldInRange(*target);
    if (!target || !IsValidDate(*target)) return;
    const int32_t year = YearOf(*target);
    if (year != YearOf(calValue_) && (year < calMinYear_ || year > calMaxYear_)) return;
    StoreValueAndRefresh(*target);
    // The focus follows the selection, so the next key starts from the cell the user sees.
    pnlCalNum(selectedCell_).SetFocus();
}

}  // namespace VemoCalendar
