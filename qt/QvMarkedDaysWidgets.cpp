#include "host/ControlError.h"
#include "qt/QvCalButtonWidget.h"
#include "qt/QvCalendarWidget.h"
#include "qt/QvMarkedDays_p.h"

namespace VemoCalendar {
namespace {

template <class Control>
void SetWeekNumbers(Control& control, QvCalendarWidget::VerticalHeaderFormat format) {
    if (format != QvCalendarWidget::NoVerticalHeader && format != QvCalendarWidget::ISOWeekNumbers)
        ThrowInvalidPropertyValue();
    control.calShowWeekNumbers(format == QvCalendarWidget::ISOWeekNumbers);
}

}  // namespace

// ---- The calendar ----

QvCalendarWidget::VerticalHeaderFormat QvCalendarWidget::verticalHeaderFormat() const {
    return control().calShowWeekNumbers() ? ISOWeekNumbers : NoVerticalHeader;
}
void QvCalendarWidget::setVerticalHeaderFormat(VerticalHeaderFormat format) {
    Apply("verticalHeaderFormat", [&] { SetWeekNumbers(control(), format); });
}
QMap<QDate, QTextCharFormat> QvCalendarWidget::dateTextFormat() const { return DateTextFormats(control()); }
QTextCharFormat QvCalendarWidget::dateTextFormat(QDate date) const { return DateTextFormat(control(), date); }
void QvCalendarWidget::setDateTextFormat(QDate date, const QTextCharFormat& format) {
    Apply("dateTextFormat", [&] { SetDateTextFormat(control(), date, format); });
}
QTextCharFormat QvCalendarWidget::weekdayTextFormat(Qt::DayOfWeek day) const { return WeekdayTextFormat(control(), day); }
void QvCalendarWidget::setWeekdayTextFormat(Qt::DayOfWeek day, const QTextCharFormat& format) {
    Apply("weekdayTextFormat", [&] { SetWeekdayTextFormat(control(), day, format); });
}

// ---- The drop-down button's pop-up ----

QvCalendarWidget::VerticalHeaderFormat QvCalButtonWidget::verticalHeaderFormat() const {
    return control().calShowWeekNumbers() ? QvCalendarWidget::ISOWeekNumbers : QvCalendarWidget::NoVerticalHeader;
}
void QvCalButtonWidget::setVerticalHeaderFormat(QvCalendarWidget::VerticalHeaderFormat format) {
    Apply("verticalHeaderFormat", [&] { SetWeekNumbers(control(), format); });
}
QMap<QDate, QTextCharFormat> QvCalButtonWidget::dateTextFormat() const { return DateTextFormats(control()); }
QTextCharFormat QvCalButtonWidget::dateTextFormat(QDate date) const { return DateTextFormat(control(), date); }
void QvCalButtonWidget::setDateTextFormat(QDate date, const QTextCharFormat& format) {
    Apply("dateTextFormat", [&] { SetDateTextFormat(control(), date, format); });
}
QTextCharFormat QvCalButtonWidget::weekdayTextFormat(Qt::DayOfWeek day) const { return WeekdayTextFormat(control(), day); }
void QvCalButtonWidget::setWeekdayTextFormat(Qt::DayOfWeek day, const QTextCharFormat& format) {
    Apply("weekdayTextFormat", [&] { SetWeekdayTextFormat(control(), day, format); });
}

}  // namespace VemoCalendar
