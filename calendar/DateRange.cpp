#include <charconv>

#include "calendar/CellClass.h"
#include "calendar/QvCalendar.h"
#include "host/ControlError.h"

namespace VemoCalendar {
namespace {

Date WholeDay(Date date) { return Date(static_cast<double>(DayNumberOf(date))); }

Date Clamped(Date date, Date low, Date high) {
    if (DayNumberOf(date) < DayNumberOf(low)) return low;
    if (DayNumberOf(date) > DayNumberOf(high)) return high;
    return date;
}

}  // namespace

// The year limits always hold; a set bound narrows them, and the range is never empty (a year
// limit moved past a set bound pulls that bound along).
Date QvCalendar::calMinDate() const {
    const Date first = MakeDate(calMinYear_, 1, 1), last = MakeDate(calMaxYear_, 12, 31);
    return minDate_ ? Clamped(*minDate_, first, last) : first;
}

Date QvCalendar::calMaxDate() const {
    const Date first = calMinDate(), last = MakeDate(calMaxYear_, 12, 31);
    return maxDate_ ? Clamped(*maxDate_, first, last) : last;
}

void QvCalendar::calMinDate(Date value) {
    if (!IsValidDate(value) || YearOf(value) < calMinYear_ || YearOf(value) > calMaxYear_) ThrowInvalidPropertyValue();
    minDate_ = WholeDay(value);
    site_.PropertyChanged("calMinDate");
    if (maxDate_ && DayNumberOf(*maxDate_) < DayNumberOf(*minDate_)) {
        maxDate_ = minDate_;
        site_.PropertyChanged("calMaxDate");
    }
    KeepValueInRange();
}

void QvCalendar::calMaxDate(Date value) {
    if (!IsValidDate(value) || YearOf(value) < calMinYear_ || YearOf(value) > calMaxYear_) ThrowInvalidPropertyValue();
    maxDate_ = WholeDay(value);
    site_.PropertyChanged("calMaxDate");
    if (minDate_ && DayNumberOf(*minDate_) > DayNumberOf(*maxDate_)) {
        minDate_ = maxDate_;
        site_.PropertyChanged("calMinDate");
    }
    KeepValueInRange();
}

void QvCalendar::calSelectionMode(enumCALSelectionMode value) {
    if (value != VemocalNoSelection && value != VemocalSingleSelection) ThrowInvalidPropertyValue();
    calSelectionMode_ = value;
    site_.PropertyChanged("calSelectionMode");
}

void QvCalendar::calQuietLimit(bool value) {
    calQuietLimit_ = value;
    site_.PropertyChanged("calQuietLimit");
}

void QvCalendar::KeepValueInRange() {
    const Date held = Clamped(calValue_, calMinDate(), calMaxDate());
    if (held == calValue_) Refresh();
    else StoreValueAndRefresh(held);
}

std::optional<Date> QvCalendar::HeldInRange(Date target) const {
    if (!RangeSet()) return target;
    const Date held = Clamped(target, calMinDate(), calMaxDate());
    if (DayNumberOf(held) == DayNumberOf(calValue_)) return std::nullopt;
    return held;
}

bool QvCalendar::CellOutOfRange(int k) const {
    if (!RangeSet() || k < 1 || k > 42 || !pnlCalNum_[static_cast<size_t>(k - 1)]) return false;
    const Panel& cell = *pnlCalNum_[static_cast<size_t>(k - 1)];
    const std::string& caption = cell.Caption();
    int day = 0;
    std::from_chars(caption.data(), caption.data() + caption.size(), day);
    const CivilDate shown = CivilOf(calValue_);
    const int monthStep = cell.Tag() == kTagPrev ? -1 : cell.Tag() == kTagNext ? 1 : 0;
    const int64_t number = DayNumberOf(MakeDate(shown.year, shown.month + monthStep, day));
    return number < DayNumberOf(calMinDate()) || number > DayNumberOf(calMaxDate());
}

// The selected cell stays enabled even outside the range (the host may set any date), so the
// keyboard keeps a place to start from.
void QvCalendar::ApplyRangeToCells() {
    for (int k = 1; k <= 42; ++k) {
        const bool wanted = enabled_ && (k == selectedCell_ || !CellOutOfRange(k));
        if (pnlCalNum(k).Enabled() != wanted) pnlCalNum(k).SetEnabled(wanted);
    }
}

}  // namespace VemoCalendar
