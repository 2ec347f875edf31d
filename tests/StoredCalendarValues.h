#pragma once
#include <cmath>
#include <string>
#include <vector>

#include "calendar/QvCalendar.h"
#include "host/Variant.h"

namespace VemoCalendar {

// A stored key with a value that differs from its default, in the calendar's read order.
struct StoredValue {
    std::string key;
    Variant value;
};

inline FontRef TestFont(std::string name, double size, bool bold, bool italic, int16_t charset) {
    FontRef font = MakeFont(std::move(name), size);
    font->bold = bold;
    font->italic = italic;
    font->underline = !bold;
    font->strikethrough = italic;
    font->weight = bold ? 700 : 300;
    font->charset = charset;
    return font;
}

// Every stored property of the calendar with a value that is not its default. Colours and
// enumerations as the bag holds them: 32-bit integers.
inline std::vector<StoredValue> NonDefaultStoredValues() {
    return {
        {"calValue", Variant(Date(MakeDate(2004, 2, 29).value + 0.75))},
        {"calFont", Variant(TestFont("Arial", 12, true, false, 0))},
        {"calMonthYearTitleFont", Variant(TestFont("Times New Roman", 14.25, false, true, 2))},
        {"calScrollArrowsFont", Variant(TestFont("Verdana", 7.5, true, true, 161))},
        {"Enabled", Variant(false)},
        {"calCaption", Variant("Termine \xE2\x80\x93 2004")},
        {"calOutline", Variant(true)},
        {"calShowTitleBar", Variant(false)},
        {"calShowDropdownMonth", Variant(true)},
        {"calScrollArrowsPos", Variant(int32_t{VemocalNoArrows})},
        {"calMouseSensitiveDate", Variant(true)},
        {"calAppearance", Variant(int32_t{VemocalSunken})},
        {"calMinYear", Variant(int32_t{1990})},
        {"calMaxYear", Variant(int32_t{2010})},
        {"calFirstDayofWeek", Variant(int32_t{VemocalMonday})},
        {"calSelectedDayBackColor", Variant(int32_t{0x112233})},
        {"calSelectedDayForeColor", Variant(int32_t{0x445566})},
        {"calCurrentDateBackColor", Variant(int32_t{0x778899})},
        {"calCurrentDateForeColor", Variant(int32_t{0xAABBCC})},
        {"calCurrentMonthBackColor", Variant(int32_t{0xDDEEFF})},
        {"calCurrentMonthForeColor", Variant(int32_t{0x010203})},
        {"calCurrentMonthWeekendsBackColor", Variant(int32_t{0x040506})},
        {"calCurrentMonthWeekendsForeColor", Variant(int32_t{0x070809})},
        {"calPreviousMonthBackColor", Variant(int32_t{0x0A0B0C})},
        {"calPreviousMonthForeColor", Variant(int32_t{0x0D0E0F})},
        {"calNextMonthBackColor", Variant(int32_t{0x101112})},
        {"calNextMonthForeColor", Variant(int32_t{0x131415})},
        {"calMonthTitle", Variant(int32_t{VemocalMonthShort})},
        {"calDayTitle", Variant(int32_t{VemocalDayLong})},
        {"calAlignmentNum", Variant(int32_t{VemocalLeftTop})},
        {"calAlignmentDayTitle", Variant(int32_t{VemocalCenterBottom})},
    };
}

// Equal as property values: fonts by their attributes (a loaded font is a new object), colours
// by their bits whether held as a colour or as an integer, anything else by kind and value.
inline bool SameValue(const Variant& a, const Variant& b) {
    using Kind = Variant::Kind;
    if (a.kind() == Kind::Font || b.kind() == Kind::Font) {
        if (a.kind() != b.kind()) return false;
        const FontRef fa = a.ToFont(), fb = b.ToFont();
        return fa && fb && *fa == *fb;
    }
    if (a.kind() == Kind::Color || b.kind() == Kind::Color) {
        const auto numeric = [](const Variant& v) { return v.kind() == Kind::Color || v.kind() == Kind::Long; };
        return numeric(a) && numeric(b) && a.ToColor() == b.ToColor();
    }
    return a == b;
}

// Readable text of a value for failure messages.
inline std::string Show(const Variant& v) {
    switch (v.kind()) {
        case Variant::Kind::Font:
            return v.ToFont() ? "font " + v.ToFont()->name + " " + std::to_string(v.ToFont()->size) : "no font";
        case Variant::Kind::Picture: return "picture";
        case Variant::Kind::Date: return "date " + std::to_string(v.ToDate().value);
        default: return v.ToString();
    }
}

}  // namespace VemoCalendar
