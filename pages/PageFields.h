#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "host/FontObject.h"
#include "host/PropertyPageSite.h"
#include "host/Variant.h"
#include "host/Widget.h"

namespace VemoCalendar {

// What both property pages share: their font, the numeric fields' key filter and number reading,
// the field-error box, and the by-name path to entry 0 of the selection.

// Arial 8.25 pt, regular weight: every text of the pages.
FontObject PageFont();

// A numeric field keeps digits and backspace; any other key becomes 0 and never reaches the field.
void NumericKeyFilter(int16_t& keyAscii);

// The field's text read as a number; nothing for an empty text, for text that is not one and
// for values that are not finite.
std::optional<double> NumberOf(const std::string& text);
// The text as a 32-bit integer (rounded half to even); nothing when it is not a number or does
// not fit, so that no accepted field can fail its conversion later.
std::optional<int32_t> Int32Of(const std::string& text);

// What a developer may type into a page's txtCaption.
inline constexpr int kCaptionMaxLength = 254;

// Shows a control's caption in txtCaption. A caption set in code may be longer than the field
// lets the developer type: the field takes it whole, so that applying does not cut it, and its
// limit is back at kCaptionMaxLength for a shorter one.
void LoadCaption(TextBox& field, const std::string& caption);

// Selects the whole text, as a field does when the focus arrives.
void SelectAll(TextBox& field);

// The modal "Invalid property value" box titled "Field Error", then the focus back in the field.
void ShowFieldError(PropertyPageSite& site, TextBox& field);

// A check box value from a property: bit 0 of its value (true is -1, so ticked).
int CheckValueOf(const Variant& value);

// Reads and writes entry 0 of the selection, fetched afresh for every call. A control's error
// leaves as PropertyAccessError naming the property.
Variant ReadSelected(PropertyPageSite& site, std::string_view property);
// As ReadSelected, converted; a failed conversion is an error of that property too.
std::string ReadString(PropertyPageSite& site, std::string_view property);
int32_t ReadInt32(PropertyPageSite& site, std::string_view property);
int ReadCheckValue(PropertyPageSite& site, std::string_view property);
void WriteSelected(PropertyPageSite& site, std::string_view property, const Variant& value);

// Runs one load step; an error on the way (a value the list cannot show, say) is that property's.
template <class Step>
void LoadStep(std::string_view property, Step step) {
    try {
        step();
    } catch (const PropertyAccessError&) {
        throw;
    } catch (const ControlError& e) {
        throw PropertyAccessError(std::string(property), e);
    }
}

}  // namespace VemoCalendar
