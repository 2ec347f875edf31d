#pragma once
#include <cstdint>
#include <memory>
#include <string>

namespace VemoCalendar {

// A shared font description. Font properties hold a std::shared_ptr to one; widgets copy it.
struct FontObject {
    std::string name = "MS Sans Serif";
    double size = 8.25;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    int16_t weight = 400;
    int16_t charset = 0;

    bool operator==(const FontObject&) const = default;
};

using FontRef = std::shared_ptr<FontObject>;

inline FontRef MakeFont(std::string name, double size) {
    auto font = std::make_shared<FontObject>();
    font->name = std::move(name);
    font->size = size;
    return font;
}

}  // namespace VemoCalendar
