#pragma once
#include <string>
#include <utility>
#include <vector>

#include "formfile/FormBag.h"

namespace VemoCalendar {

// A stored control's bag that also writes down every read with the default it passed, so a test
// sees which keys a control asked for, in which order.
class MemoryPropertyBag : public FormBag {
public:
    Variant ReadProperty(std::string_view key, const Variant& defaultValue) override {
        reads_.emplace_back(std::string(key), defaultValue);
        return FormBag::ReadProperty(key, defaultValue);
    }
    const std::vector<std::pair<std::string, Variant>>& Reads() const { return reads_; }

private:
    std::vector<std::pair<std::string, Variant>> reads_;
};

}  // namespace VemoCalendar
