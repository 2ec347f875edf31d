#include "headless/MemoryPropertyBag.h"

#include <algorithm>
#include <stdexcept>

namespace VemoCalendar {

Variant MemoryPropertyBag::ReadProperty(std::string_view key, const Variant& defaultValue) {
    reads_.emplace_back(std::string(key), defaultValue);
    const auto it = values_.find(key);
    return it == values_.end() ? defaultValue : it->second;
}

void MemoryPropertyBag::WriteProperty(std::string_view key, const Variant& value, const Variant&) {
    Set(key, value);
}

bool MemoryPropertyBag::Has(std::string_view key) const { return values_.find(key) != values_.end(); }

const Variant& MemoryPropertyBag::Get(std::string_view key) const {
    const auto it = values_.find(key);
    if (it == values_.end()) throw std::out_of_range("no property " + std::string(key));
    return it->second;
}

void MemoryPropertyBag::Set(std::string_view key, Variant value) {
    const auto it = values_.find(key);
    if (it == values_.end()) {
        order_.emplace_back(key);
        values_.emplace(std::string(key), std::move(value));
    } else {
        it->second = std::move(value);
    }
}

void MemoryPropertyBag::Remove(std::string_view key) {
    const auto it = values_.find(key);
    if (it == values_.end()) return;
    values_.erase(it);
    order_.erase(std::find(order_.begin(), order_.end(), key));
}

}  // namespace VemoCalendar
