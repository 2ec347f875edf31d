#pragma once
#include <string_view>

#include "host/Variant.h"

namespace VemoCalendar {

// Anything whose properties can be read and written by name: the path of the property pages and
// of the drop-down button. A name the object lacks raises error 438.
class PropertyTarget {
public:
    virtual ~PropertyTarget() = default;
    virtual Variant GetProperty(std::string_view name) const = 0;
    virtual void SetProperty(std::string_view name, const Variant& value) = 0;
};

}  // namespace VemoCalendar
