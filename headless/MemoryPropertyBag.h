#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "host/PropertyBag.h"

namespace VemoCalendar {

// A property bag in memory. It keeps every value written, also one equal to its default, and
// remembers the order of the writes.
class MemoryPropertyBag : public PropertyBag {
public:
    Variant ReadProperty(std::string_view key, const Variant& defaultValue) override;
    void WriteProperty(std::string_view key, const Variant& value, const Variant& defaultValue) override;

    bool Has(std::string_view key) const;
    const Variant& Get(std::string_view key) const;  // throws std::out_of_range when absent
    void Set(std::string_view key, Variant value);
    void Remove(std::string_view key);
    // Keys in the order they were first written.
    const std::vector<std::string>& Keys() const { return order_; }
    // Keys read so far, in order, with the default each read passed.
    const std::vector<std::pair<std::string, Variant>>& Reads() const { return reads_; }

private:
    std::map<std::string, Variant, std::less<>> values_;
    std::vector<std::string> order_;
    std::vector<std::pair<std::string, Variant>> reads_;
};

}  // namespace VemoCalendar
