#include "host/Variant.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

#include "host/ControlError.h"

namespace VemoCalendar {
namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// Numeric text: optional blanks around a decimal number with optional sign, point and exponent.
double ParseNumber(std::string_view text) {
    std::string_view s = Trim(text);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    double result = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), result);
    if (s.empty() || end != s.data() + s.size()) ThrowTypeMismatch();
    if (ec == std::errc::result_out_of_range) ThrowOverflow();
    if (ec != std::errc()) ThrowTypeMismatch();
    return result;
}

template <typename Int>
Int RoundToInt(double v) {
    if (!std::isfinite(v)) ThrowOverflow();
    const double r = std::nearbyint(v);
    if (r < static_cast<double>(std::numeric_limits<Int>::min()) ||
        r > static_cast<double>(std::numeric_limits<Int>::max()))
        ThrowOverflow();
    return static_cast<Int>(r);
}

std::string FormatNumber(double v) {
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
    return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

}  // namespace

double Variant::NumberOrThrow() const {
    switch (kind()) {
        case Kind::Empty: return 0;
        case Kind::Boolean: return std::get<bool>(value_) ? -1 : 0;
        case Kind::Integer: return std::get<int16_t>(value_);
        case Kind::Long: return std::get<int32_t>(value_);
        case Kind::Single: return std::get<float>(value_);
        case Kind::Double: return std::get<double>(value_);
        case Kind::Date: return std::get<Date>(value_).value;
        case Kind::String: return ParseNumber(std::get<std::string>(value_));
        case Kind::Color: return static_cast<int32_t>(std::get<ColorBox>(value_).value);
        case Kind::Font:
        case Kind::Picture: break;
    }
    ThrowTypeMismatch();
}

bool Variant::ToBool() const {
    if (kind() == Kind::Boolean) return std::get<bool>(value_);
    if (kind() == Kind::String) {
        const std::string_view s = Trim(std::get<std::string>(value_));
        if (EqualsNoCase(s, "True")) return true;
        if (EqualsNoCase(s, "False")) return false;
    }
    return NumberOrThrow() != 0;
}

int16_t Variant::ToInt16() const {
    if (kind() == Kind::Integer) return std::get<int16_t>(value_);
    return RoundToInt<int16_t>(NumberOrThrow());
}

int32_t Variant::ToInt32() const {
    if (kind() == Kind::Long) return std::get<int32_t>(value_);
    return RoundToInt<int32_t>(NumberOrThrow());
}

float Variant::ToSingle() const {
    const double v = NumberOrThrow();
    if (std::isfinite(v) && std::fabs(v) > std::numeric_limits<float>::max()) ThrowOverflow();
    return static_cast<float>(v);
}

double Variant::ToDouble() const { return NumberOrThrow(); }

Date Variant::ToDate() const {
    if (kind() == Kind::Date) return std::get<Date>(value_);
    const Date d(NumberOrThrow());
    if (!IsValidDate(d)) ThrowOverflow();
    return d;
}

std::string Variant::ToString() const {
    switch (kind()) {
        case Kind::Empty: return {};
        case Kind::Boolean: return std::get<bool>(value_) ? "True" : "False";
        case Kind::Integer: return std::to_string(std::get<int16_t>(value_));
        case Kind::Long: return std::to_string(std::get<int32_t>(value_));
        case Kind::Single: return FormatNumber(std::get<float>(value_));
        case Kind::Double: return FormatNumber(std::get<double>(value_));
        case Kind::Date: {
            const CivilDate c = CivilOf(std::get<Date>(value_));
            char buffer[32];
            std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", c.year, c.month, c.day);
            return buffer;
        }
        case Kind::String: return std::get<std::string>(value_);
        case Kind::Color: return std::to_string(static_cast<int32_t>(std::get<ColorBox>(value_).value));
        case Kind::Font:
        case Kind::Picture: break;
    }
    ThrowTypeMismatch();
}

Color Variant::ToColor() const {
    if (kind() == Kind::Color) return std::get<ColorBox>(value_).value;
    const double v = NumberOrThrow();
    if (!std::isfinite(v)) ThrowOverflow();
    const double r = std::nearbyint(v);
    // Accept both the signed and the unsigned reading of a 32-bit colour.
    if (r < static_cast<double>(std::numeric_limits<int32_t>::min()) ||
        r > static_cast<double>(std::numeric_limits<uint32_t>::max()))
        ThrowOverflow();
    return r < 0 ? static_cast<Color>(static_cast<int32_t>(r)) : static_cast<Color>(r);
}

FontRef Variant::ToFont() const {
    if (kind() == Kind::Font) return std::get<FontRef>(value_);
    if (kind() == Kind::Empty) return nullptr;
    ThrowTypeMismatch();
}

PictureRef Variant::ToPicture() const {
    if (kind() == Kind::Picture) return std::get<PictureRef>(value_);
    if (kind() == Kind::Empty) return nullptr;
    ThrowTypeMismatch();
}

bool Variant::operator==(const Variant& other) const { return value_ == other.value_; }

}  // namespace VemoCalendar
