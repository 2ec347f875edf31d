#include <algorithm>
#include <string>

#include "calendar/CellClass.h"
#include "calendar/DayMarksText.h"
#include "calendar/MarkedLook.h"
#include "calendar/MonthGridPlan.h"
#include "calendar/QvCalendar.h"
#include "calendar/WeekNumbers.h"
#include "host/ControlError.h"

namespace VemoCalendar {
namespace {

constexpr char kMarksKey[] = "calDayMarks";
constexpr char kWeekNumbersKey[] = "calShowWeekNumbers";

// A value read under `key`, converted; a value that does not convert names its key. A key the
// bag does not hold is not asked for.
template <class Convert>
auto ReadKey(PropertyBag& bag, const char* key, const Variant& defaultValue, Convert convert) {
    try {
        return convert(ReadIfPresent(bag, key).value_or(defaultValue));
    } catch (const ControlError& e) {
        throw ControlError(e.number, e.description + " in property '" + key + "'");
    }
}

}  // namespace

// ---- Marks ----

void QvCalendar::SetDateMark(Date date, std::optional<DayFormat> format) {
    if (!IsValidDate(date)) ThrowInvalidPropertyValue();
    const int64_t day = DayNumberOf(date);
    dayMarks_.SetDate(day, std::move(format));
    site_.PropertyChanged(kMarksKey);
    if (gridFirstDay_ && day >= *gridFirstDay_ && day < *gridFirstDay_ + 42) PaintCellMark(static_cast<int>(day - *gridFirstDay_) + 1);
}

void QvCalendar::ClearDateMarks() {
    dayMarks_.ClearDates();
    site_.PropertyChanged(kMarksKey);
    PaintGridMarks();
}

void QvCalendar::SetWeekdayMark(int32_t weekday, std::optional<DayFormat> format) {
    if (weekday < 1 || weekday > 7) ThrowInvalidPropertyValue();
    dayMarks_.SetWeekday(weekday, std::move(format));
    site_.PropertyChanged(kMarksKey);
    PaintGridMarks();
}

// The class painting of the cell has just run (its colours, and bold as its class has it); the
// mark goes over that. A cell that lost its mark gets the plain font and no tool tip back.
void QvCalendar::PaintDayMark(int k, const std::optional<DayFormat>& mark) {
    bool& marked = cellMarked_[static_cast<size_t>(k - 1)];
    if (!mark && !marked) return;
    Panel& cell = pnlCalNum(k);
    const std::string tag = cell.Tag();
    const bool today = tag != kTagPrev && tag != kTagNext && gridFirstDay_ &&
                       *gridFirstDay_ + k - 1 == DayNumberOf(site_.Today());
    FontObject font = calFont_ ? *calFont_ : FontObject{};
    font.bold = font.bold || today;
    PaintClassColors(cell, tag);
    marked = mark.has_value();
    if (!mark) {
        cell.SetFont(font);
        cell.SetToolTip("");
        return;
    }
    const CellLook look =
        MarkedLook({cell.BackColor(), cell.ForeColor(), font.bold, font.italic, font.underline}, tag, *mark, today);
    cell.SetBackColor(look.back);
    cell.SetForeColor(look.fore);
    font.bold = look.bold;
    font.italic = look.italic;
    font.underline = look.underline;
    cell.SetFont(font);
    cell.SetToolTip(mark->toolTip);
}

void QvCalendar::PaintCellMark(int k) {
    if (!gridFirstDay_ || (dayMarks_.Empty() && !cellMarked_[static_cast<size_t>(k - 1)])) return;
    const int weekday = WeekdayOfColumn(calFirstDayofWeek_, (k - 1) % 7);
    PaintDayMark(k, dayMarks_.For(*gridFirstDay_ + k - 1, weekday));
}

// Only the marks of the 42 days shown are looked up: a month step costs the same with thousands
// of marked dates as with a few.
void QvCalendar::PaintGridMarks() {
    if (!gridFirstDay_) return;
    if (dayMarks_.Empty() && std::none_of(cellMarked_.begin(), cellMarked_.end(), [](bool m) { return m; })) return;
    const auto grid = dayMarks_.ForGrid(*gridFirstDay_, WeekdayOfColumn(calFirstDayofWeek_, 0));
    for (int k = 1; k <= 42; ++k) PaintDayMark(k, grid[static_cast<size_t>(k - 1)]);
}

// ---- Week numbers ----

void QvCalendar::calShowWeekNumbers(bool value) {
    calShowWeekNumbers_ = value;
    site_.PropertyChanged(kWeekNumbersKey);
    if (value) CreateWeekCells();
    Picture1_Resize();
}

// Made on first use, so a calendar that never shows week numbers has the widgets it always had.
void QvCalendar::CreateWeekCells() {
    if (pnlCalWeek_[0]) return;
    for (int r = 1; r <= 6; ++r) {
        Panel& cell = site_.Widgets().CreatePanel(Picture1_, "pnlCalWeek", r);
        pnlCalWeek_[static_cast<size_t>(r - 1)] = &cell;
        cell.SetVisible(false);
        WidgetHandlers& on = cell.Events();
        on.Click = [this] { RaiseEvent("Click"); };
        on.DblClick = [this] { RaiseEvent("DblClick"); };
        on.MouseDown = [this](MouseArgs& args) { RaiseMouseEvent("MouseDown", args); };
        on.MouseMove = [this](MouseArgs& args) {
            ClearMouseHover();
            RaiseMouseEvent("MouseMove", args);
        };
        on.MouseUp = [this](MouseArgs& args) { RaiseMouseEvent("MouseUp", args); };
    }
}

// The week cells look like the weekday titles of ordinary days.
void QvCalendar::PaintWeekColumn() {
    if (!pnlCalWeek_[0] || !calShowWeekNumbers_ || !gridFirstDay_) return;
    for (int r = 1; r <= 6; ++r) {
        Panel& cell = *pnlCalWeek_[static_cast<size_t>(r - 1)];
        cell.SetTag("Week");
        cell.SetCaption(std::to_string(RowWeekNumber(*gridFirstDay_ + 7 * (r - 1))));
        cell.SetBackColor(calCurrentMonthBackColor_);
        cell.SetForeColor(calCurrentMonthForeColor_);
        cell.SetBevelOuter(calAppearance_);
        cell.SetAlignment(calAlignmentDayTitle_);
        cell.SetFont(calFont_ ? *calFont_ : FontObject{});
        cell.SetEnabled(enabled_);
    }
}

// ---- Keys of their own ----

QvCalendar::MarkedDaysSettings QvCalendar::ReadMarkedDays(PropertyBag& bag) {
    MarkedDaysSettings settings;
    settings.showWeekNumbers = ReadKey(bag, kWeekNumbersKey, Variant(false), [](const Variant& v) { return v.ToBool(); });
    settings.marks = ReadKey(bag, kMarksKey, Variant(""), [](const Variant& v) { return DayMarksFromText(v.ToString()); });
    return settings;
}

void QvCalendar::StoreMarkedDays(MarkedDaysSettings settings) {
    dayMarks_ = std::move(settings.marks);
    calShowWeekNumbers_ = settings.showWeekNumbers;
    if (calShowWeekNumbers_) CreateWeekCells();
}

void QvCalendar::ReadMarkedDaysKeys(PropertyBag& bag) {
    StoreMarkedDays(ReadMarkedDays(bag));
    PaintGridMarks();
    UserControl_Resize();
}

void QvCalendar::WriteMarkedDaysKeys(PropertyBag& bag) const {
    if (calShowWeekNumbers_) bag.WriteProperty(kWeekNumbersKey, Variant(true), Variant(false));
    if (!dayMarks_.Empty()) bag.WriteProperty(kMarksKey, Variant(DayMarksToText(dayMarks_)), Variant(""));
}

}  // namespace VemoCalendar
