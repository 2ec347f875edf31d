#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "host/PropertyBag.h"
#include "host/Export.h"

namespace VemoCalendar {

// The property bag of one stored control. It keeps every value written, also one equal to its
// default: a date equal to today or a font equal to the container's font would otherwise come
// back different on a later day or in another container. Keys keep the order of their first
// write, so a saved form reads in the order the control wrote it.
class VEMOCALENDAR_EXPORT FormBag : public PropertyBag {
public:
    Variant ReadProperty(std::string_view key, const Variant& defaultValue) override;
    void WriteProperty(std::string_view key, const Variant& value, const Variant& defaultValue) override;

    bool Has(std::string_view key) const;
    bool HoldsProperty(std::string_view key) const override { return Has(key); }
    // The stored value; throws std::out_of_range when the key is absent.
    const Variant& Get(std::string_view key) const;
    // Stores a value, replacing one under the same key in its place.
    void Set(std::string_view key, Variant value);
    const std::vector<std::pair<std::string, Variant>>& Entries() const { return entries_; }

private:
    // Position of each key in entries_; a damaged file may hold many keys.
    std::map<std::string, size_t, std::less<>> index_;
    std::vector<std::pair<std::string, Variant>> entries_;
};

}  // namespace VemoCalendar
