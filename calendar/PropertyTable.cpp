#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "calendar/PropertyEntry.h"
#include "calendar/SettingEntry.h"
#include "host/ControlError.h"

namespace VemoCalendar {

namespace {

// A number that is no date (NaN, infinite, outside the range) is refused as the typed setter
// refuses it; text that is not a number stays a type mismatch.
Date DateOrInvalid(const Variant& value) {
    try {
        return value.ToDate();
    } catch (const ControlError& e) {
        if (e.number == kErrOverflow) ThrowInvalidPropertyValue();
        throw;
    }
}

}  // namespace

// The macros spell each property's name once; the lambdas inside a member function may reach
// the fields.
#define VEMO_GET(Name) [](const QvCalendar& c) { return Variant(c.Name()); }
#define VEMO_READ_ONLY(Name, Kind) \
    PropertyEntry { {#Name, PropertyKind::Kind, false, false}, 0, {}, VEMO_GET(Name), nullptr, nullptr }
#define VEMO_SIZE(Name) \
    PropertyEntry{{#Name, PropertyKind::Int32, true, false}, 0, {}, VEMO_GET(Name), \
                  [](QvCalendar& c, const Variant& v) { c.Name(v.ToInt32()); }, nullptr}
#define VEMO_BOOL(Name, field, order, def)                                                        \
    PropertyEntry{{#Name, PropertyKind::Boolean, true, true}, order, Variant(def), VEMO_GET(Name), \
                  [](QvCalendar& c, const Variant& v) { c.Name(v.ToBool()); },                     \
                  [](QvCalendar& c, const Variant& v) { c.field = v.ToBool(); }}
#define VEMO_INT32(Name, field, order, def)                                                              \
    PropertyEntry{{#Name, PropertyKind::Int32, true, true}, order, Variant(int32_t{def}), VEMO_GET(Name), \
                  [](QvCalendar& c, const Variant& v) { c.Name(v.ToInt32()); },                            \
                  [](QvCalendar& c, const Variant& v) { c.field = v.ToInt32(); }}
// Any 32-bit number goes to the setter, which refuses what is not a constant of the enumeration;
// a stored value is kept as it is.
#define VEMO_ENUM(Name, field, order, Enum, info, def)                                                  \
    PropertyEntry{{#Name, PropertyKind::Enumeration, true, true, &info}, order, Variant(int32_t{def}),   \
                  [](const QvCalendar& c) { return Variant(static_cast<int32_t>(c.Name())); },          \
                  [](QvCalendar& c, const Variant& v) { c.Name(static_cast<Enum>(v.ToInt32())); },      \
                  [](QvCalendar& c, const Variant& v) { c.field = static_cast<Enum>(v.ToInt32()); }}
// A colour arrives as any number or colour value; the setter clamps its signed reading, so a
// system colour becomes black as it does in code. The bag holds colours as 32-bit integers.
#define VEMO_COLOR(Name, field, order, def)                                                             \
    PropertyEntry{{#Name, PropertyKind::Color, true, true}, order, Variant(static_cast<int32_t>(def)),   \
                  [](const QvCalendar& c) { return Variant::FromColor(c.Name()); },                    \
                  [](QvCalendar& c, const Variant& v) { c.Name(static_cast<int32_t>(v.ToColor())); },  \
                  [](QvCalendar& c, const Variant& v) { c.field = v.ToColor(); }}
#define VEMO_FONT(Name, field, order)                                                     \
    PropertyEntry{{#Name, PropertyKind::Font, true, true}, order, {}, VEMO_GET(Name),     \
                  [](QvCalendar& c, const Variant& v) { c.Name(v.ToFont()); },            \
                  [](QvCalendar& c, const Variant& v) { c.field = v.ToFont(); }}

// In the order of the control's interface.
const std::vector<QvCalendar::PropertyEntry>& QvCalendar::Table() {
    static const std::vector<PropertyEntry> table{
        VEMO_READ_ONLY(calVersion, String),
        VEMO_READ_ONLY(hwnd, Int32),
        VEMO_READ_ONLY(hDC, Int32),
        VEMO_SIZE(calHeight),
        VEMO_SIZE(calWidth),
        VEMO_READ_ONLY(calLeapYear, Boolean),
        PropertyEntry{{"calValue", PropertyKind::Date, true, true}, 1, {}, VEMO_GET(calValue),
                      [](QvCalendar& c, const Variant& v) { c.calValue(DateOrInvalid(v)); },
                      [](QvCalendar& c, const Variant& v) { c.StoreValueQuietly(v.ToDate()); }},
        VEMO_READ_ONLY(calJulianDateValue, Int32),
        VEMO_BOOL(Enabled, enabled_, 5, true),
        VEMO_BOOL(calMouseSensitiveDate, calMouseSensitiveDate_, 11, false),
        VEMO_BOOL(calOutline, calOutline_, 7, false),
        VEMO_ENUM(calAppearance, calAppearance_, 12, enumCALAppearance, kEnumCALAppearance, VemocalRaised),
        VEMO_ENUM(calAlignmentNum, calAlignmentNum_, 30, enumCALAlignment, kEnumCALAlignment, VemocalCenterMiddle),
        VEMO_ENUM(calAlignmentDayTitle, calAlignmentDayTitle_, 31, enumCALAlignment, kEnumCALAlignment,
                  VemocalCenterMiddle),
        VEMO_FONT(calFont, calFont_, 2),
        VEMO_FONT(calMonthYearTitleFont, calMonthYearTitleFont_, 3),
        VEMO_FONT(calScrollArrowsFont, calScrollArrowsFont_, 4),
        VEMO_ENUM(calMonthTitle, calMonthTitle_, 28, enumCALMonthTitle, kEnumCALMonthTitle, VemocalMonthLong),
        VEMO_ENUM(calDayTitle, calDayTitle_, 29, enumCALDayTitle, kEnumCALDayTitle, VemocalDayShort),
        PropertyEntry{{"calCaption", PropertyKind::String, true, true}, 6, Variant("Calendar"), VEMO_GET(calCaption),
                      [](QvCalendar& c, const Variant& v) { c.calCaption(v.ToString()); },
                      [](QvCalendar& c, const Variant& v) { c.calCaption_ = v.ToString(); }},
        VEMO_BOOL(calShowTitleBar, calShowTitleBar_, 8, true),
        VEMO_INT32(calMinYear, calMinYear_, 13, 1600),
        VEMO_INT32(calMaxYear, calMaxYear_, 14, 9999),
        VEMO_BOOL(calShowDropdownMonth, calShowDropdownMonth_, 9, false),
        VEMO_ENUM(calScrollArrowsPos, calScrollArrowsPos_, 10, enumCALScrollArrowsPos, kEnumCALScrollArrowsPos,
                  VemocalBottom),
        VEMO_ENUM(calFirstDayofWeek, calFirstDayofWeek_, 15, enumCALFirstDayofWeek, kEnumCALFirstDayofWeek,
                  VemocalSunday),
        VEMO_COLOR(calSelectedDayBackColor, calSelectedDayBackColor_, 16, 0x800000),
        VEMO_COLOR(calSelectedDayForeColor, calSelectedDayForeColor_, 17, 0xFFFFFF),
        VEMO_COLOR(calCurrentDateBackColor, calCurrentDateBackColor_, 18, 0xC0C0C0),
        VEMO_COLOR(calCurrentDateForeColor, calCurrentDateForeColor_, 19, 0),
        VEMO_COLOR(calCurrentMonthBackColor, calCurrentMonthBackColor_, 20, 0xC0C0C0),
        VEMO_COLOR(calCurrentMonthForeColor, calCurrentMonthForeColor_, 21, 0),
        VEMO_COLOR(calCurrentMonthWeekendsBackColor, calCurrentMonthWeekendsBackColor_, 22, 0xC0C0C0),
        VEMO_COLOR(calCurrentMonthWeekendsForeColor, calCurrentMonthWeekendsForeColor_, 23, 0x80),
        VEMO_COLOR(calPreviousMonthBackColor, calPreviousMonthBackColor_, 24, 0xC0C0C0),
        VEMO_COLOR(calPreviousMonthForeColor, calPreviousMonthForeColor_, 25, 0x808080),
        VEMO_COLOR(calNextMonthBackColor, calNextMonthBackColor_, 26, 0xC0C0C0),
        VEMO_COLOR(calNextMonthForeColor, calNextMonthForeColor_, 27, 0x808080),
    };
    return table;
}

#undef VEMO_GET
#undef VEMO_READ_ONLY
#undef VEMO_SIZE
#undef VEMO_BOOL
#undef VEMO_INT32
#undef VEMO_ENUM
#undef VEMO_COLOR
#undef VEMO_FONT

const std::vector<const QvCalendar::PropertyEntry*>& QvCalendar::StoredInReadOrder() {
    static const std::vector<const PropertyEntry*> stored = [] {
        std::vector<const PropertyEntry*> entries;
        for (const PropertyEntry& e : Table())
            if (e.info.stored) entries.push_back(&e);
        std::sort(entries.begin(), entries.end(),
                  [](const PropertyEntry* a, const PropertyEntry* b) { return a->readOrder < b->readOrder; });
        return entries;
    }();
    return stored;
}

std::span<const PropertyInfo> QvCalendar::Properties() const {
    static const std::vector<PropertyInfo> infos = [] {
        std::vector<PropertyInfo> list;
        for (const PropertyEntry& e : Table()) list.push_back(e.info);
        return list;
    }();
    return infos;
}

// Names are matched exactly, as they are spelled in the interface.
const QvCalendar::PropertyEntry& QvCalendar::Find(std::string_view name) {
    const auto& table = Table();
    const auto it = std::find_if(table.begin(), table.end(), [name](const PropertyEntry& e) { return e.info.name == name; });
    if (it == table.end()) ThrowNotSupported();
    return *it;
}

Variant QvCalendar::StoredDefault(std::string_view name) {
    const PropertyEntry& property = Find(name);
    if (!property.info.stored) ThrowNotSupported();
    return property.defaultValue;
}

Variant QvCalendar::GetProperty(std::string_view name) const {
    if (const Setting* setting = FindSetting(name)) return setting->get(*this);
    return Find(name).get(*this);
}

void QvCalendar::SetProperty(std::string_view name, const Variant& value) {
    if (const Setting* setting = FindSetting(name)) return setting->set(*this, value);
    const PropertyEntry& property = Find(name);
    if (!property.set) ThrowNotSupported();
    property.set(*this, value);
}

}  // namespace VemoCalendar
