#pragma once
#include <cstdint>
#include <optional>

#include "host/ControlError.h"

namespace VemoCalendar {

// The error number a call raises, or nothing.
template <class Action>
std::optional<int32_t> ErrorNumber(Action action) {
    try {
        action();
    } catch (const ControlError& e) {
        return e.number;
    }
    return std::nullopt;
}

}  // namespace VemoCalendar
