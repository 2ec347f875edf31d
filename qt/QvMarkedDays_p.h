#pragma once
#include <QDate>
#include <QMap>
#include <QTextCharFormat>

#include "calendar/DayMarks.h"
#include "host/Date.h"

namespace VemoCalendar {

// QCalendarWidget's marked days over a control that has the calendar's marks (the calendar, or
// the drop-down button for its pop-up). A format keeps what a day cell can show: the foreground
// and background colours, bold (a weight of DemiBold or more), italic, underline and the tool tip.
DayFormat ToDayFormat(const QTextCharFormat& format);
QTextCharFormat ToTextCharFormat(const DayFormat& format);

inline QDate QDateOfDay(int64_t dayNumber) {
    const CivilDate c = CivilOf(Date(static_cast<double>(dayNumber)));
    return QDate(c.year, c.month, c.day);
}

// Qt's weekday (Monday = 1 .. Sunday = 7) as the calendar counts it (Sunday = 1).
inline int32_t WeekdayOfQt(Qt::DayOfWeek day) { return static_cast<int32_t>(day) % 7 + 1; }

template <class Control>
QMap<QDate, QTextCharFormat> DateTextFormats(const Control& control) {
    QMap<QDate, QTextCharFormat> formats;
    for (const auto& [day, format] : control.calDayMarks().Dates()) formats.insert(QDateOfDay(day), ToTextCharFormat(format));
    return formats;
}

template <class Control>
QTextCharFormat DateTextFormat(const Control& control, QDate date) {
    if (!date.isValid()) return {};
    const auto& dates = control.calDayMarks().Dates();
    const auto it = dates.find(DayNumberOf(MakeDate(date.year(), date.month(), date.day())));
    return it == dates.end() ? QTextCharFormat() : ToTextCharFormat(it->second);
}

// As QCalendarWidget: a null date clears every date's format; any format, an empty one too, is
// kept for its date. A date outside 1 January 100 .. 31 December 9999 raises 380.
template <class Control>
void SetDateTextFormat(Control& control, QDate date, const QTextCharFormat& format) {
    if (!date.isValid()) return control.ClearDateMarks();
    control.SetDateMark(MakeDate(date.year(), date.month(), date.day()), ToDayFormat(format));
}

template <class Control>
QTextCharFormat WeekdayTextFormat(const Control& control, Qt::DayOfWeek day) {
    if (day < Qt::Monday || day > Qt::Sunday) return {};
    const auto& format = control.calDayMarks().Weekday(WeekdayOfQt(day));
    return format ? ToTextCharFormat(*format) : QTextCharFormat();
}

template <class Control>
void SetWeekdayTextFormat(Control& control, Qt::DayOfWeek day, const QTextCharFormat& format) {
    control.SetWeekdayMark(WeekdayOfQt(day), ToDayFormat(format));
}

}  // namespace VemoCalendar
