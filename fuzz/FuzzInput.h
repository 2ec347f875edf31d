#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "formfile/FormFile.h"

namespace VemoCalendar::Fuzz {

// The fuzzer's bytes read as a form file, or nothing when the reader refuses them (as it must
// refuse most of them).
inline std::optional<FormFile> ReadForm(const uint8_t* data, size_t size) {
    try {
        return ParseFormFile(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const FormFileError&) {
        return std::nullopt;
    }
}

}  // namespace VemoCalendar::Fuzz
