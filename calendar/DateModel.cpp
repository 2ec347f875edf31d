#include <string>

#include "calendar/QvCalendar.h"
#include "host/ControlError.h"

namespace VemoCalendar {

void QvCalendar::calValue(Date value) {
    if (!IsValidDate(value)) ThrowInvalidPropertyValue();
    StoreValueQuietly(value);
    site_.PropertyChanged("calValue");
    Refresh();
}

void QvCalendar::calMinYear(int32_t value) {
    if (value > calMaxYear_ || value < 1600) ThrowInvalidPropertyValue();
    calMinYear_ = value;
    site_.PropertyChanged("calMinYear");
    if (calMinYear_ > YearOf(calValue_)) StoreValueAndRefresh(MakeDate(calMinYear_, MonthOf(calValue_), DayOf(calValue_)));
}

void QvCalendar::calMaxYear(int32_t value) {
    if (value < calMinYear_ || value > 9999) ThrowInvalidPropertyValue();
    calMaxYear_ = value;
    site_.PropertyChanged("calMaxYear");
    if (calMaxYear_ < YearOf(calValue_)) StoreValueAndRefresh(MakeDate(calMaxYear_, MonthOf(calValue_), DayOf(calValue_)));
}

void QvCalendar::calFirstDayofWeek(enumCALFirstDayofWeek value) {
    if (value < VemocalSunday || value > VemocalSaturday) ThrowInvalidPropertyValue();
    calFirstDayofWeek_ = value;
    site_.PropertyChanged("calFirstDayofWeek");
    BuildDayTitles();
    FillWeekdayTitles();
    Refresh();
}

bool QvCalendar::calLeapYear() const { return IsLeapYear(YearOf(calValue_)); }

int32_t QvCalendar::calJulianDateValue() const {
    const CivilDate c = CivilOf(calValue_);
    int32_t dayOfYear = c.day;
    for (int32_t m = 1; m < c.month; ++m) dayOfYear += DaysInMonth(MakeDate(c.year, m, 1));
    return c.year * 1000 + dayOfYear;
}

void QvCalendar::Refresh() {
    FillMonthGrid(calValue_);
    const Date previous = notifiedValue_;
    // The comparisons take calValue afresh: a handler of an earlier event may have changed it.
    if (calValue_.value != previous.value) RaiseEvent("ValueChanged");
    if (MonthOf(calValue_) != MonthOf(previous)) RaiseEvent("MonthChanged");
    if (YearOf(calValue_) != YearOf(previous)) RaiseEvent("YearChanged");
    notifiedValue_ = calValue_;
}

void QvCalendar::StoreValueAndRefresh(Date value) {
    StoreValueQuietly(value);
    Refresh();
}

// A quiet calendar tells the host by an event (Maximum: which end) instead of a modal box.
void QvCalendar::ShowLimitMessage(Limit which) {
    if (calQuietLimit_) {
        Variant maximum(which == Limit::Maximum);
        site_.RaiseEvent("limitReached", std::span<Variant>(&maximum, 1));
        return;
    }
    MessageBoxRequest request;
    request.text = std::string(which == Limit::Minimum ? "Minimum" : "Maximum") + " Calendar Date Setting Reached.";
    request.title = "Calendar";
    request.icon = MessageIcon::Exclamation;
    request.buttons = MessageButtons::OK;
    site_.MsgBox(request);
}

}  // namespace VemoCalendar
