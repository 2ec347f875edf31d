#include "pages/PageFields.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>

#include "host/ControlError.h"

namespace VemoCalendar {

FontObject PageFont() {
    FontObject font;
    font.name = "Arial";
    font.size = 8.25;
    font.weight = 400;
    return font;
}

void NumericKeyFilter(int16_t& keyAscii) {
    const bool digit = keyAscii >= 48 && keyAscii <= 57;
    if (!digit && keyAscii != 8) keyAscii = 0;
}

std::optional<double> NumberOf(const std::string& text) {
    try {
        const double value = Variant(text).ToDouble();
        if (!std::isfinite(value)) return std::nullopt;
        return value;
    } catch (const ControlError&) {
        return std::nullopt;  // empty or not numeric text, or a number too large for a double
    }
}

std::optional<int32_t> Int32Of(const std::string& text) {
    const std::optional<double> number = NumberOf(text);
    if (!number) return std::nullopt;
    const double rounded = std::nearbyint(*number);
    if (rounded < std::numeric_limits<int32_t>::min() || rounded > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(rounded);
}

void SelectAll(TextBox& field) {
    field.SetSelStart(0);
    field.SetSelLength(static_cast<int>(field.Text().size()));
}

void LoadCaption(TextBox& field, const std::string& caption) {
    // Bytes are never fewer than the field's characters, whichever a host counts.
    field.SetMaxLength(std::max(kCaptionMaxLength, static_cast<int>(std::min<size_t>(caption.size(), INT_MAX))));
    field.SetText(caption);
}

void ShowFieldError(PropertyPageSite& site, TextBox& field) {
    MessageBoxRequest request;
    request.text = "Invalid property value";
    request.title = "Field Error";
    request.icon = MessageIcon::Critical;
    request.buttons = MessageButtons::OK;
    request.modality = MessageModality::Application;
    site.MsgBox(request);
    field.SetFocus();
}

int CheckValueOf(const Variant& value) {
    if (value.kind() == Variant::Kind::Boolean) return value.ToBool() ? 1 : 0;
    return value.ToInt32() & 1;
}

namespace {

template <class Convert>
auto ReadAs(PropertyPageSite& site, std::string_view property, Convert convert) {
    try {
        return convert(site.SelectedControl(0).GetProperty(property));
    } catch (const PropertyAccessError&) {
        throw;
    } catch (const ControlError& e) {
        throw PropertyAccessError(std::string(property), e);
    }
}

}  // namespace

Variant ReadSelected(PropertyPageSite& site, std::string_view property) {
    return ReadAs(site, property, [](Variant v) { return v; });
}
std::string ReadString(PropertyPageSite& site, std::string_view property) {
    return ReadAs(site, property, [](const Variant& v) { return v.ToString(); });
}
int32_t ReadInt32(PropertyPageSite& site, std::string_view property) {
    return ReadAs(site, property, [](const Variant& v) { return v.ToInt32(); });
}
int ReadCheckValue(PropertyPageSite& site, std::string_view property) {
    return ReadAs(site, property, [](const Variant& v) { return CheckValueOf(v); });
}

void WriteSelected(PropertyPageSite& site, std::string_view property, const Variant& value) {
    try {
        site.SelectedControl(0).SetProperty(property, value);
    } catch (const PropertyAccessError&) {
        throw;
    } catch (const ControlError& e) {
        throw PropertyAccessError(std::string(property), e);
    }
}

}  // namespace VemoCalendar
