#pragma once
#include <span>
#include <string_view>

#include "host/PropertyInfo.h"
#include "host/Variant.h"
#include "host/Export.h"

namespace VemoCalendar {

// Anything whose properties can be read and written by name: the path of the property pages and
// of the drop-down button. A name the object lacks raises error 438.
class VEMOCALENDAR_EXPORT PropertyTarget {
public:
    virtual ~PropertyTarget() = default;
    virtual Variant GetProperty(std::string_view name) const = 0;
    virtual void SetProperty(std::string_view name, const Variant& value) = 0;
    // The properties the object answers by name, in the order of its interface; an object
    // without a table lists none.
    virtual std::span<const PropertyInfo> Properties() const { return {}; }
};

}  // namespace VemoCalendar
