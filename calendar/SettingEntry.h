#pragma once
#include <optional>

#include "calendar/QvCalendar.h"

namespace VemoCalendar {

// A setting beyond the interface: reached by name, kept in the bag only away from its default.
struct QvCalendar::Setting {
    PropertyInfo info;
    Variant (*get)(const QvCalendar&);
    void (*set)(QvCalendar&, const Variant&);
    // What the bag keeps: nothing at the default, a set range end as it was set.
    std::optional<Variant> (*kept)(const QvCalendar&);
    // A value read back, converted (a failure names the key) and stored without the setter's checks.
    Variant (*convert)(const Variant&);
    void (*store)(QvCalendar&, const Variant&);
};

}  // namespace VemoCalendar
