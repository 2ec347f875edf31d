#pragma once
#include <cstdio>
#include <string>
#include <string_view>

// Readable, stable names for the rows of parameterised tests, built from the rows' values
// (GoogleTest takes only letters, digits and '_' in a name).
namespace VemoCalendar::param_names {

// -11 as "minus11".
inline std::string Signed(long long value) {
    return value < 0 ? "minus" + std::to_string(-value) : std::to_string(value);
}

// 1.25 as "1_25", 15 as "15", -0.5 as "minus0_5".
inline std::string Decimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value < 0 ? -value : value);
    std::string name = value < 0 ? "minus" : "";
    for (const char* c = text; *c; ++c) name += (*c == '.' || *c == '+' || *c == '-') ? '_' : *c;
    return name;
}

// A typed text, its letters and digits kept and every other character spelt out:
// " 2001 " as "space_2001_space", "1.5" as "1_point_5", "" as "empty".
inline std::string Text(std::string_view text) {
    if (text.empty()) return "empty";
    std::string name;
    bool inWord = false;
    for (const char c : text) {
        const bool alnum = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (alnum) {
            if (!inWord && !name.empty()) name += '_';
            name += c;
            inWord = true;
            continue;
        }
        if (!name.empty()) name += '_';
        switch (c) {
            case ' ': name += "space"; break;
            case '+': name += "plus"; break;
            case '-': name += "minus"; break;
            case '.': name += "point"; break;
            default: {
                char hex[8];
                std::snprintf(hex, sizeof hex, "x%02X", static_cast<unsigned char>(c));
                name += hex;
            }
        }
        inWord = false;
    }
    return name;
}

}  // namespace VemoCalendar::param_names
