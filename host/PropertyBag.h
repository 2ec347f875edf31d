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
};

// A bag that can tell whether it holds a key. Settings kept after the stored keys are read only
// from bags that hold them, so older forms and the stored keys' reads stay exactly as they were.
class VEMOCALENDAR_EXPORT PropertyKeys {
public:
    virtual ~PropertyKeys() = default;
    virtual bool Has(std::string_view key) const = 0;
};

// The value under `key`, or nothing when the bag lacks it. A bag that cannot tell is asked with
// an empty default, and an empty answer counts as absent.
inline std::optional<Variant> ReadIfPresent(PropertyBag& bag, std::string_view key) {
    if (const auto* keys = dynamic_cast<const PropertyKeys*>(&bag); keys && !keys->Has(key)) return std::nullopt;
    Variant value = bag.ReadProperty(key, Variant());
    if (value.IsEmpty()) return std::nullopt;
    return value;
}

}  // namespace VemoCalendar
