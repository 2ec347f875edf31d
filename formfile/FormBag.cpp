#include "formfile/FormBag.h"

#include <stdexcept>

namespace VemoCalendar {

Variant FormBag::ReadProperty(std::string_view key, const Variant& defaultValue) {
    const auto it = index_.find(key);
    return it == index_.end() ? defaultValue : entries_[it->second].second;
}

void FormBag::WriteProperty(std::string_view key, const Variant& value, const Variant&) { Set(key, value); }

bool FormBag::Has(std::string_view key) const { return index_.find(key) != index_.end(); }

const Variant& FormBag::Get(std::string_view key) const {
    const auto it = index_.find(key);
    if (it == index_.end()) throw std::out_of_range("no property " + std::string(key));
    return entries_[it->second].second;
}

void FormBag::Set(std::string_view key, Variant value) {
    const auto it = index_.find(key);
    if (it != index_.end()) {
        entries_[it->second].second = std::move(value);
        return;
    }
    index_.emplace(std::string(key), entries_.size());
    entries_.emplace_back(std::string(key), std::move(value));
}

}  // namespace VemoCalendar
