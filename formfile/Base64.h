#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace VemoCalendar {

// Standard base64 with padding, no line breaks.
std::string EncodeBase64(std::string_view bytes);
// The bytes, or nothing when the text is not strict base64 as EncodeBase64 writes it.
std::optional<std::string> DecodeBase64(std::string_view text);

}  // namespace VemoCalendar
