#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "calendar/SettingEntry.h"
#include "host/ControlError.h"

namespace VemoCalendar {


namespace {

Variant StoredDate(const Variant& v) {
    const Date date = v.ToDate();
    if (!IsValidDate(date)) ThrowOverflow();
    return Variant(Date(static_cast<double>(DayNumberOf(date))));
}

}  // namespace

// In the order the bag keeps them: the range's two ends, then the selection mode, the quiet limit.
const std::vector<QvCalendar::Setting>& QvCalendar::Settings() {
    static const std::vector<Setting> settings{
        {{"calMinDate", PropertyKind::Date, true, false}, [](const QvCalendar& c) { return Variant(c.calMinDate()); },
         [](QvCalendar& c, const Variant& v) { c.calMinDate(v.ToDate()); },
         [](const QvCalendar& c) { return c.minDate_ ? std::optional(Variant(*c.minDate_)) : std::nullopt; }, StoredDate,
         [](QvCalendar& c, const Variant& v) { c.minDate_ = v.ToDate(); }},
        {{"calMaxDate", PropertyKind::Date, true, false}, [](const QvCalendar& c) { return Variant(c.calMaxDate()); },
         [](QvCalendar& c, const Variant& v) { c.calMaxDate(v.ToDate()); },
         [](const QvCalendar& c) { return c.maxDate_ ? std::optional(Variant(*c.maxDate_)) : std::nullopt; }, StoredDate,
         [](QvCalendar& c, const Variant& v) { c.maxDate_ = v.ToDate(); }},
        {{"calSelectionMode", PropertyKind::Int32, true, false},
         [](const QvCalendar& c) { return Variant(static_cast<int32_t>(c.calSelectionMode())); },
         [](QvCalendar& c, const Variant& v) { c.calSelectionMode(static_cast<enumCALSelectionMode>(v.ToInt32())); },
         [](const QvCalendar& c) {
             return c.calSelectionMode_ == VemocalSingleSelection ? std::nullopt : std::optional(Variant(int32_t{0}));
         },
         [](const Variant& v) { return Variant(v.ToInt32()); },
         // A damaged value selects as the default does; only 0 turns selection off.
         [](QvCalendar& c, const Variant& v) {
             c.calSelectionMode_ = v.ToInt32() == VemocalNoSelection ? VemocalNoSelection : VemocalSingleSelection;
         }},
        {{"calQuietLimit", PropertyKind::Boolean, true, false}, [](const QvCalendar& c) { return Variant(c.calQuietLimit()); },
         [](QvCalendar& c, const Variant& v) { c.calQuietLimit(v.ToBool()); },
         [](const QvCalendar& c) { return c.calQuietLimit_ ? std::optional(Variant(true)) : std::nullopt; }, [](const Variant& v) { return Variant(v.ToBool()); },
         [](QvCalendar& c, const Variant& v) { c.calQuietLimit_ = v.ToBool(); }},
    };
    return settings;
}

const QvCalendar::Setting* QvCalendar::FindSetting(std::string_view name) {
    const auto& settings = Settings();
    const auto it = std::find_if(settings.begin(), settings.end(), [name](const Setting& s) { return s.info.name == name; });
    return it == settings.end() ? nullptr : &*it;
}

std::span<const std::string_view> QvCalendar::SettingNames() {
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> list;
        for (const Setting& s : Settings()) list.push_back(s.info.name);
        return list;
    }();
    return names;
}

std::vector<std::pair<const QvCalendar::Setting*, Variant>> QvCalendar::ReadSettings(PropertyBag& bag) const {
    std::vector<std::pair<const Setting*, Variant>> values;
    for (const Setting& s : Settings()) {
        const std::optional<Variant> stored = ReadIfPresent(bag, s.info.name);
        if (!stored) continue;
        try {
            values.emplace_back(&s, s.convert(*stored));
        } catch (const ControlError& e) {
            throw ControlError(e.number, e.description + " in property '" + std::string(s.info.name) + "'");
        }
    }
    return values;
}

void QvCalendar::StoreSettings(const std::vector<std::pair<const Setting*, Variant>>& values) {
    for (const auto& [setting, value] : values) setting->store(*this, value);
}

void QvCalendar::WriteSettings(PropertyBag& bag) const {
    for (const Setting& s : Settings())
        if (const std::optional<Variant> value = s.kept(*this)) bag.WriteProperty(s.info.name, *value, Variant());
}

}  // namespace VemoCalendar
