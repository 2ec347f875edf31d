#pragma once
#include <optional>
#include <string_view>

#include "host/Variant.h"
#include "host/Export.h"

namespace VemoCalendar {

// The host's store of a control's saved properties.
class VEMOCALENDAR_EXPORT PropertyBag {
public:
    virtual ~PropertyBag() = default;
    // The stored value, or `defaultValue` when the key is absent.
    virtual Variant ReadProperty(std::string_view key, const Variant& defaultValue) = 0;
    virtual void WriteProperty(std::string_view key, const Variant& value, const Variant& defaultValue) = 0;
    // Whether the bag holds a value under the key. Settings kept as keys of their own after the
    // stored keys are read only when held, so a form without them is read exactly as before; a
    // bag that cannot tell says true and returns the default when asked.
    virtual bool HoldsProperty(std::string_view key) const {
        (void)key;
        return true;
    }
};

// The value under `key`, or nothing when the bag lacks it. A bag that cannot tell is asked with
// an empty default, and an empty answer counts as absent.
inline std::optional<Variant> ReadIfPresent(PropertyBag& bag, std::string_view key) {
    if (!bag.HoldsProperty(key)) return std::nullopt;
    Variant value = bag.ReadProperty(key, Variant());
    if (value.IsEmpty()) return std::nullopt;
    return value;
}

}  // namespace VemoCalendar
