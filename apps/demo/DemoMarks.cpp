#include "DemoMarks.h"

#include <QFont>

namespace VemoCalendar {
namespace {

QTextCharFormat Holiday(const QString& name) {
    QTextCharFormat format;
    format.setForeground(QColor(192, 0, 0));
    format.setBackground(QColor(255, 224, 224));
    format.setFontWeight(QFont::Bold);
    format.setToolTip(name);
    return format;
}

}  // namespace

QMap<QDate, QTextCharFormat> DemoMarks(int year) {
    QMap<QDate, QTextCharFormat> marks;
    QTextCharFormat appointment;
    appointment.setForeground(QColor(0, 0, 192));
    appointment.setFontUnderline(true);
    appointment.setToolTip("Dentist, 10:30");
    for (int y = year - 1; y <= year + 1; ++y) {
        marks.insert(QDate(y, 1, 1), Holiday("New Year's Day"));
        marks.insert(QDate(y, 12, 24), Holiday("Christmas Eve"));
        marks.insert(QDate(y, 12, 25), Holiday("Christmas Day"));
        marks.insert(QDate(y, 12, 26), Holiday("Boxing Day"));
        marks.insert(QDate(y, 12, 31), Holiday("New Year's Eve"));
        for (int m = 1; m <= 12; ++m) marks.insert(QDate(y, m, 15), appointment);
    }
    return marks;
}

}  // namespace VemoCalendar
