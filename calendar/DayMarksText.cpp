#include "calendar/DayMarksText.h"

#include <array>
#include <charconv>
#include <cstdio>

#include "host/ControlError.h"
#include "host/Date.h"

namespace VemoCalendar {
namespace {

constexpr std::array<std::string_view, 7> kWeekdays = {"Sunday", "Monday", "Tuesday", "Wednesday",
                                                       "Thursday", "Friday", "Saturday"};

std::string ColorText(Color c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", RedOf(c), GreenOf(c), BlueOf(c));
    return text;
}

void AppendFormat(std::string& out, const DayFormat& f) {
    if (f.foreColor) out += " fore=" + ColorText(*f.foreColor);
    if (f.backColor) out += " back=" + ColorText(*f.backColor);
    if (f.bold) out += *f.bold ? " bold=1" : " bold=0";
    if (f.italic) out += *f.italic ? " italic=1" : " italic=0";
    if (f.underline) out += *f.underline ? " underline=1" : " underline=0";
    if (f.toolTip.empty()) return;
    out += " tip=";
    for (char c : f.toolTip) {
        if (c == '\\') out += "\\\\";
        else if (c == '\n') out += "\\n";
        else out += c;
    }
}

int Number(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) ThrowTypeMismatch();
    return value;
}

Color ColorOf(std::string_view text) {
    if (text.size() != 7 || text[0] != '#') ThrowTypeMismatch();
    uint32_t rgb = 0;
    const auto [end, error] = std::from_chars(text.data() + 1, text.data() + 7, rgb, 16);
    if (error != std::errc() || end != text.data() + 7) ThrowTypeMismatch();
    return Rgb(static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb));
}

bool FlagOf(std::string_view text) {
    if (text != "0" && text != "1") ThrowTypeMismatch();
    return text == "1";
}

std::string Unescaped(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) ThrowTypeMismatch();
        if (text[i] == 'n') out += '\n';
        else if (text[i] == '\\') out += '\\';
        else ThrowTypeMismatch();
    }
    return out;
}

DayFormat FormatOf(std::string_view attributes) {
    DayFormat f;
    while (!attributes.empty()) {
        if (attributes[0] != ' ') ThrowTypeMismatch();
        attributes.remove_prefix(1);
        const size_t equals = attributes.find('=');
        if (equals == std::string_view::npos) ThrowTypeMismatch();
        const std::string_view name = attributes.substr(0, equals);
        attributes.remove_prefix(equals + 1);
        if (name == "tip") {
            f.toolTip = Unescaped(attributes);
            break;
        }
        const std::string_view value = attributes.substr(0, attributes.find(' '));
        attributes.remove_prefix(value.size());
        if (name == "fore") f.foreColor = ColorOf(value);
        else if (name == "back") f.backColor = ColorOf(value);
        else if (name == "bold") f.bold = FlagOf(value);
        else if (name == "italic") f.italic = FlagOf(value);
        else if (name == "underline") f.underline = FlagOf(value);
        else ThrowTypeMismatch();
    }
    return f;
}

void ReadLine(DayMarks& marks, std::string_view line) {
    const std::string_view key = line.substr(0, line.find(' '));
    const DayFormat format = FormatOf(line.substr(key.size()));
    for (size_t w = 0; w < kWeekdays.size(); ++w)
        if (key == kWeekdays[w]) return marks.SetWeekday(static_cast<int>(w) + 1, format);
    if (key.size() != 10 || key[4] != '-' || key[7] != '-') ThrowTypeMismatch();
    const int year = Number(key.substr(0, 4)), month = Number(key.substr(5, 2)), day = Number(key.substr(8, 2));
    const Date date = MakeDate(year, month, day);
    if (!IsValidDate(date) || MonthOf(date) != month || DayOf(date) != day) ThrowTypeMismatch();
    marks.SetDate(DayNumberOf(date), format);
}

}  // namespace

std::string DayMarksToText(const DayMarks& marks) {
    std::string out;
    for (int w = 1; w <= 7; ++w) {
        if (!marks.Weekday(w)) continue;
        out += kWeekdays[static_cast<size_t>(w - 1)];
        AppendFormat(out, *marks.Weekday(w));
        out += '\n';
    }
    for (const auto& [day, format] : marks.Dates()) {
        const CivilDate c = CivilOf(Date(static_cast<double>(day)));
        char date[16];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", c.year, c.month, c.day);
        out += date;
        AppendFormat(out, format);
        out += '\n';
    }
    return out;
}

DayMarks DayMarksFromText(std::string_view text) {
    DayMarks marks;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        if (!line.empty()) ReadLine(marks, line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return marks;
}

}  // namespace VemoCalendar
