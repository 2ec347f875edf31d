#include <algorithm>
#include <array>
#include <string>

#include "calendar/QvCalendar.h"
#include "host/ControlError.h"

namespace VemoCalendar {
namespace {

// One property as the by-name path sees it. Every write goes through the public setter, so
// validation, change notification and the apply routine are those of a call in code.
struct PropertyAccess {
    std::string_view name;
    Variant (*get)(const QvCalendar&);
    void (*set)(QvCalendar&, const Variant&);  // null for a read-only property
};

template <bool (QvCalendar::*Get)() const, void (QvCalendar::*Set)(bool)>
constexpr PropertyAccess BoolProperty(std::string_view name) {
    return {name, [](const QvCalendar& c) { return Variant((c.*Get)()); },
            [](QvCalendar& c, const Variant& v) { (c.*Set)(v.ToBool()); }};
}

template <int32_t (QvCalendar::*Get)() const, void (QvCalendar::*Set)(int32_t)>
constexpr PropertyAccess Int32Property(std::string_view name) {
    return {name, [](const QvCalendar& c) { return Variant((c.*Get)()); },
            [](QvCalendar& c, const Variant& v) { (c.*Set)(v.ToInt32()); }};
}

// Any 32-bit number goes to the setter, which refuses what is not a constant of the enumeration.
template <class Enum, Enum (QvCalendar::*Get)() const, void (QvCalendar::*Set)(Enum)>
constexpr PropertyAccess EnumProperty(std::string_view name) {
    return {name, [](const QvCalendar& c) { return Variant(static_cast<int32_t>((c.*Get)())); },
            [](QvCalendar& c, const Variant& v) { (c.*Set)(static_cast<Enum>(v.ToInt32())); }};
}

// A colour arrives as any number or colour value; the setter clamps its signed reading, so a
// system colour becomes black as it does in code.
template <Color (QvCalendar::*Get)() const, void (QvCalendar::*Set)(int32_t)>
constexpr PropertyAccess ColorProperty(std::string_view name) {
    return {name, [](const QvCalendar& c) { return Variant::FromColor((c.*Get)()); },
            [](QvCalendar& c, const Variant& v) { (c.*Set)(static_cast<int32_t>(v.ToColor())); }};
}

template <FontRef (QvCalendar::*Get)() const, void (QvCalendar::*Set)(FontRef)>
constexpr PropertyAccess FontProperty(std::string_view name) {
    return {name, [](const QvCalendar& c) { return Variant((c.*Get)()); },
            [](QvCalendar& c, const Variant& v) { (c.*Set)(v.ToFont()); }};
}

template <class T, T (QvCalendar::*Get)() const>
constexpr PropertyAccess ReadOnlyProperty(std::string_view name) {
    return {name, [](const QvCalendar& c) { return Variant((c.*Get)()); }, nullptr};
}

#define VEMO_BOOL(Name) BoolProperty<&QvCalendar::Name, &QvCalendar::Name>(#Name)
#define VEMO_INT32(Name) Int32Property<&QvCalendar::Name, &QvCalendar::Name>(#Name)
#define VEMO_ENUM(Enum, Name) EnumProperty<Enum, &QvCalendar::Name, &QvCalendar::Name>(#Name)
#define VEMO_COLOR(Name) ColorProperty<&QvCalendar::Name, &QvCalendar::Name>(#Name)
#define VEMO_FONT(Name) FontProperty<&QvCalendar::Name, &QvCalendar::Name>(#Name)
#define VEMO_READ_ONLY(Type, Name) ReadOnlyProperty<Type, &QvCalendar::Name>(#Name)

// In the order of the control's interface.
constexpr std::array kProperties{
    VEMO_READ_ONLY(std::string, calVersion),
    VEMO_READ_ONLY(int32_t, hwnd),
    VEMO_READ_ONLY(int32_t, hDC),
    VEMO_INT32(calHeight),
    VEMO_INT32(calWidth),
    VEMO_READ_ONLY(bool, calLeapYear),
    PropertyAccess{"calValue", [](const QvCalendar& c) { return Variant(c.calValue()); },
                   [](QvCalendar& c, const Variant& v) { c.calValue(v.ToDate()); }},
    VEMO_READ_ONLY(int32_t, calJulianDateValue),
    VEMO_BOOL(Enabled),
    VEMO_BOOL(calMouseSensitiveDate),
    VEMO_BOOL(calOutline),
    VEMO_ENUM(enumCALAppearance, calAppearance),
    VEMO_ENUM(enumCALAlignment, calAlignmentNum),
    VEMO_ENUM(enumCALAlignment, calAlignmentDayTitle),
    VEMO_FONT(calFont),
    VEMO_FONT(calMonthYearTitleFont),
    VEMO_FONT(calScrollArrowsFont),
    VEMO_ENUM(enumCALMonthTitle, calMonthTitle),
    VEMO_ENUM(enumCALDayTitle, calDayTitle),
    PropertyAccess{"calCaption", [](const QvCalendar& c) { return Variant(c.calCaption()); },
                   [](QvCalendar& c, const Variant& v) { c.calCaption(v.ToString()); }},
    VEMO_BOOL(calShowTitleBar),
    VEMO_INT32(calMinYear),
    VEMO_INT32(calMaxYear),
    VEMO_BOOL(calShowDropdownMonth),
    VEMO_ENUM(enumCALScrollArrowsPos, calScrollArrowsPos),
    VEMO_ENUM(enumCALFirstDayofWeek, calFirstDayofWeek),
    VEMO_COLOR(calSelectedDayBackColor),
    VEMO_COLOR(calSelectedDayForeColor),
    VEMO_COLOR(calCurrentDateBackColor),
    VEMO_COLOR(calCurrentDateForeColor),
    VEMO_COLOR(calCurrentMonthBackColor),
    VEMO_COLOR(calCurrentMonthForeColor),
    VEMO_COLOR(calCurrentMonthWeekendsBackColor),
    VEMO_COLOR(calCurrentMonthWeekendsForeColor),
    VEMO_COLOR(calPreviousMonthBackColor),
    VEMO_COLOR(calPreviousMonthForeColor),
    VEMO_COLOR(calNextMonthBackColor),
    VEMO_COLOR(calNextMonthForeColor),
};

#undef VEMO_BOOL
#undef VEMO_INT32
#undef VEMO_ENUM
#undef VEMO_COLOR
#undef VEMO_FONT
#undef VEMO_READ_ONLY

// Names are matched exactly, as they are spelled in the interface.
const PropertyAccess& Find(std::string_view name) {
    const auto it = std::find_if(kProperties.begin(), kProperties.end(),
                                 [name](const PropertyAccess& p) { return p.name == name; });
    if (it == kProperties.end()) ThrowNotSupported();
    return *it;
}

}  // namespace

Variant QvCalendar::GetProperty(std::string_view name) const { return Find(name).get(*this); }

void QvCalendar::SetProperty(std::string_view name, const Variant& value) {
    const PropertyAccess& property = Find(name);
    if (!property.set) ThrowNotSupported();
    property.set(*this, value);
}

}  // namespace VemoCalendar
