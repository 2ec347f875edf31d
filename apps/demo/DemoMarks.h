#pragma once
#include <QDate>
#include <QMap>
#include <QTextCharFormat>

namespace VemoCalendar {

// The days the demo marks around `year`: the public holidays at the turn of each year, in red on
// pink and bold, and a booked appointment on the 15th of each month, blue and underlined; each
// with a tool tip that says what it is.
QMap<QDate, QTextCharFormat> DemoMarks(int year);

}  // namespace VemoCalendar
