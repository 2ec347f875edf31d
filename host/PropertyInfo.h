#pragma once
#include <cstdint>
#include <span>
#include <string_view>

namespace VemoCalendar {

// What a property holds, as a property browser or page needs to know it to edit the value.
enum class PropertyKind { Boolean, Int16, Int32, Enumeration, Color, String, Date, Font, Picture };

struct EnumConstant {
    std::string_view name;
    int32_t value;
};

// A published enumeration: its name and its constants in value order.
struct EnumerationInfo {
    std::string_view name;
    std::span<const EnumConstant> constants;

    bool Contains(int32_t value) const {
        for (const EnumConstant& c : constants)
            if (c.value == value) return true;
        return false;
    }
};

// One property of a control as its table describes it.
struct PropertyInfo {
    std::string_view name;
    PropertyKind kind;
    bool writable;
    bool stored;                                  // kept in the property bag under its name
    const EnumerationInfo* enumeration = nullptr;  // for PropertyKind::Enumeration
};

}  // namespace VemoCalendar
