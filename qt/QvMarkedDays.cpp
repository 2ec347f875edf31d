#include <QBrush>
#include <QFont>

#include "qt/QvMarkedDays_p.h"

namespace VemoCalendar {
namespace {

std::optional<Color> ColorOfBrush(const QTextCharFormat& format, QTextFormat::Property property) {
    if (!format.hasProperty(property)) return std::nullopt;
    const QBrush brush = format.brushProperty(property);
    if (brush.style() == Qt::NoBrush) return std::nullopt;
    const QColor c = brush.color().toRgb();
    return Rgb(static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()), static_cast<uint8_t>(c.blue()));
}

QColor QColorOf(Color c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

}  // namespace

DayFormat ToDayFormat(const QTextCharFormat& format) {
    DayFormat day;
    day.foreColor = ColorOfBrush(format, QTextFormat::ForegroundBrush);
    day.backColor = ColorOfBrush(format, QTextFormat::BackgroundBrush);
    if (format.hasProperty(QTextFormat::FontWeight)) day.bold = format.fontWeight() >= QFont::DemiBold;
    if (format.hasProperty(QTextFormat::FontItalic)) day.italic = format.fontItalic();
    if (format.hasProperty(QTextFormat::TextUnderlineStyle) || format.hasProperty(QTextFormat::FontUnderline))
        day.underline = format.fontUnderline();
    day.toolTip = format.toolTip().toStdString();
    return day;
}

QTextCharFormat ToTextCharFormat(const DayFormat& day) {
    QTextCharFormat format;
    if (day.foreColor) format.setForeground(QColorOf(*day.foreColor));
    if (day.backColor) format.setBackground(QColorOf(*day.backColor));
    if (day.bold) format.setFontWeight(*day.bold ? QFont::Bold : QFont::Normal);
    if (day.italic) format.setFontItalic(*day.italic);
    if (day.underline) format.setFontUnderline(*day.underline);
    if (!day.toolTip.empty()) format.setToolTip(QString::fromStdString(day.toolTip));
    return format;
}

}  // namespace VemoCalendar
