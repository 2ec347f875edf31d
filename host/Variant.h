#pragma once
#include <cstdint>
#include <string>
#include <variant>

#include "host/Color.h"
#include "host/Date.h"
#include "host/FontObject.h"
#include "host/PictureObject.h"
#include "host/Export.h"

namespace VemoCalendar {

// A tagged value crossing the host boundary: property bags, by-name properties, event arguments.
// Conversions that cannot be made throw ControlError 13 "Type mismatch"; numbers outside the
// target type throw 6 "Overflow". Fractions round half to even.
class VEMOCALENDAR_EXPORT Variant {
public:
    enum class Kind { Empty, Boolean, Integer, Long, Single, Double, Date, String, Color, Font, Picture };

    Variant() = default;
    Variant(bool v) : value_(v) {}
    Variant(int16_t v) : value_(v) {}
    Variant(int32_t v) : value_(v) {}
    Variant(float v) : value_(v) {}
    Variant(double v) : value_(v) {}
    Variant(Date v) : value_(v) {}
    Variant(std::string v) : value_(std::move(v)) {}
    Variant(const char* v) : value_(std::string(v)) {}
    Variant(FontRef v) : value_(std::move(v)) {}
    Variant(PictureRef v) : value_(std::move(v)) {}
    static Variant FromColor(Color c) {
        Variant v;
        v.value_ = ColorBox{c};
        return v;
    }

    Kind kind() const { return static_cast<Kind>(value_.index()); }
    bool IsEmpty() const { return kind() == Kind::Empty; }

    bool ToBool() const;
    int16_t ToInt16() const;
    int32_t ToInt32() const;
    float ToSingle() const;
    double ToDouble() const;
    Date ToDate() const;
    std::string ToString() const;
    // Integers give their bit pattern, so a negative 32-bit value names a system colour.
    Color ToColor() const;
    // Empty gives no object; any other non-object value is a type mismatch.
    FontRef ToFont() const;
    PictureRef ToPicture() const;

    // Same kind and same value; objects compare by identity.
    bool operator==(const Variant& other) const;

private:
    struct ColorBox {
        Color value;
        bool operator==(const ColorBox&) const = default;
    };
    double NumberOrThrow() const;
    std::variant<std::monostate, bool, int16_t, int32_t, float, double, Date, std::string, ColorBox, FontRef,
                 PictureRef>
        value_;
};

}  // namespace VemoCalendar
