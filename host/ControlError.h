#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

#include "host/Export.h"

namespace VemoCalendar {

// The one error type of the library: a numbered error as the host reports it to the caller.
struct VEMOCALENDAR_EXPORT ControlError : std::runtime_error {
    ControlError(int32_t number, std::string description)
        : std::runtime_error(description), number(number), description(std::move(description)) {}
    int32_t number;
    std::string description;
};

inline constexpr int32_t kErrInvalidPropertyValue = 380;
inline constexpr int32_t kErrTypeMismatch = 13;
inline constexpr int32_t kErrOverflow = 6;
inline constexpr int32_t kErrNotSupported = 438;
inline constexpr int32_t kErrOutOfMemory = 7;
inline constexpr int32_t kErrInternal = 51;

inline ControlError InvalidPropertyValue() { return ControlError(kErrInvalidPropertyValue, "Invalid property value"); }
[[noreturn]] inline void ThrowInvalidPropertyValue() { throw InvalidPropertyValue(); }
[[noreturn]] inline void ThrowTypeMismatch() { throw ControlError(kErrTypeMismatch, "Type mismatch"); }
[[noreturn]] inline void ThrowOverflow() { throw ControlError(kErrOverflow, "Overflow"); }
[[noreturn]] inline void ThrowNotSupported() {
    throw ControlError(kErrNotSupported, "Object doesn't support this property or method");
}

}  // namespace VemoCalendar
