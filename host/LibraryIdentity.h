#pragma once
#include <cstdint>
#include <string>

namespace VemoCalendar {

struct LibraryIdentity {
    std::string title;
    int32_t major = 0;
    int32_t minor = 0;
    int32_t revision = 0;
};

// The identity every host reports for this library.
inline LibraryIdentity VemoCalendarIdentity() { return {"VemoCalendar", 2, 1, 0}; }

}  // namespace VemoCalendar
