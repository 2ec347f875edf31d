#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "calendar/QvCalendar.h"
#include "host/ControlError.h"

namespace VemoCalendar {
namespace {

constexpr int16_t kKeyBackspace = 8;
constexpr int16_t kKeyTab = 9;
constexpr int16_t kKeyEnter = 13;

// The whole year a text names: blanks, a sign, a decimal point and an exponent are allowed, a
// fraction rounds half to even. Text that is no number, or no 32-bit integer once rounded
// ("1e30" pasted into the box), names no year.
std::optional<int32_t> YearFromText(const std::string& text) {
    double number = 0;
    try {
        number = Variant(text).ToDouble();
    } catch (const ControlError&) {
        return std::nullopt;
    }
    const double rounded = std::nearbyint(number);
    if (!(rounded >= std::numeric_limits<int32_t>::min() && rounded <= std::numeric_limits<int32_t>::max()))
        return std::nullopt;
    return static_cast<int32_t>(rounded);
}

int32_t Clamped(int32_t value, int32_t low, int32_t high) {
    if (value < low) value = low;
    if (value > high) value = high;
    return value;
}

}  // namespace

// ---- Scroll arrows ----

void QvCalendar::cmdButton_Click(int i) {
    const int32_t year = YearOf(calValue_);
    const int32_t month = MonthOf(calValue_);
    const bool backwards = i < 2;
    const bool wholeYear = i == 0 || i == 3;
    const bool blocked = backwards ? year <= calMinYear_ && (wholeYear || month == 1)
                                   : year >= calMaxYear_ && (wholeYear || month == 12);
    const int32_t step = backwards ? -1 : 1;
    const Date target = wholeYear ? AddYears(calValue_, step) : AddMonths(calValue_, step);
    // The ends of the date range hold like year limits, also when stored limits lie beyond them.
    // A set range (inside the limits) stops the step at its end, and holds only at the end itself.
    const std::optional<Date> landing = RangeSet() ? HeldInRange(target)
                                        : blocked || !IsValidDate(target) ? std::nullopt
                                                                          : std::optional(target);
    if (!landing) {
        ShowLimitMessage(backwards ? Limit::Minimum : Limit::Maximum);
        Refresh();
    } else {
        StoreValueAndRefresh(*landing);
    }
    RaiseEvent("Click");
}

void QvCalendar::cmdButton_KeyPress(int i, int16_t& keyAscii) {
    if (keyAscii == kKeyTab) {
        CommandButton& next = cmdButton((i + 1) % 4);
        if (next.Visible()) next.SetFocus();
        keyAscii = 0;
    }
    UserControl_KeyPress(keyAscii);
}

// ---- Month list ----

void QvCalendar::cbxMonth_Click() {
    const int index = cbxMonth_->ListIndex();
    if (index < 0) return;  // the list was emptied: no month is chosen
    // The list also reports the month that ShowMonthYear selects for calValue; that is no new
    // choice, and rebuilding the value would lose its time of day.
    // A month beyond a set range lands on the range's end.
    if (index + 1 != MonthOf(calValue_))
        if (const auto held = HeldInRange(MakeDate(YearOf(calValue_), index + 1, DayOf(calValue_))))
            StoreValueQuietly(*held);

    Widget* active = site_.ActiveChild();
    if (!active) return;
    if (active == cbxMonth_) {
        // The user's choice (or a change from code while the list has the focus, which the list
        // cannot tell apart from one).
        Refresh();
        RaiseEvent("Click");
    } else {
        FillMonthGrid(calValue_);
    }
}

// ---- Year box ----

void QvCalendar::txtYear_GotFocus() {
    txtYear_->SetSelStart(0);
    txtYear_->SetSelLength(static_cast<int>(txtYear_->Text().size()));
}

void QvCalendar::txtYear_KeyPress(int16_t& keyAscii) {
    // The host sees the key as typed but cannot change what the box receives.
    int16_t typed = keyAscii;
    const bool passes = (keyAscii >= '0' && keyAscii <= '9') || keyAscii == kKeyBackspace;
    if (keyAscii == kKeyEnter) {
        txtYear_LostFocus();
    } else if (keyAscii == kKeyTab && cbxMonth_->Visible()) {
        cbxMonth_->SetFocus();
    }
    if (!passes) keyAscii = 0;
    UserControl_KeyPress(typed);
}

void QvCalendar::txtYear_LostFocus() {
    if (const std::optional<int32_t> typed = YearFromText(txtYear_->Text()); typed && *typed != YearOf(calValue_)) {
        // Typed years are clamped without a message; the date range bounds stored limits too.
        const int32_t year = Clamped(Clamped(*typed, calMinYear_, calMaxYear_), 100, 9999);
        if (const auto held = HeldInRange(MakeDate(year, MonthOf(calValue_), DayOf(calValue_))))
            StoreValueAndRefresh(*held);
    }
    txtYear_->SetText(std::to_string(YearOf(calValue_)));
}

}  // namespace VemoCalendar
