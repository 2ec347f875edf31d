#pragma once

#include "calendar/QvCalendar.h"

namespace VemoCalendar {

// One property of the calendar, described once: what the by-name path, the defaults and the
// property bag need of it. Writes by name go through the public setter, so validation, change
// notification and the apply routine are those of a call in code; `store` puts a value read from
// the bag into the field without any of that.
struct QvCalendar::PropertyEntry {
    PropertyInfo info;
    int readOrder;         // position in the bag's read order, 1-based; 0 for properties not stored
    Variant defaultValue;  // of the bag's reads and writes; dates and fonts take theirs from the site
    Variant (*get)(const QvCalendar&);
    void (*set)(QvCalendar&, const Variant&);    // null for a read-only property
    void (*store)(QvCalendar&, const Variant&);  // null for a property not stored
};

}  // namespace VemoCalendar
