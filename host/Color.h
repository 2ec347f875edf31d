#pragma once
#include <cstdint>

namespace VemoCalendar {

// Red in the low byte, then green, then blue; the top bit marks a system colour index.
using Color = uint32_t;

inline constexpr Color kSystemColorFlag = 0x80000000u;
inline constexpr Color kSysActiveCaption = 0x80000002u;
inline constexpr Color kSysInactiveCaption = 0x80000003u;
inline constexpr Color kSysMenu = 0x80000004u;
inline constexpr Color kSysCaptionText = 0x80000009u;
inline constexpr Color kSysButtonText = 0x80000012u;
inline constexpr Color kSysInactiveCaptionText = 0x80000013u;

constexpr bool IsSystemColor(Color c) { return (c & kSystemColorFlag) != 0; }
constexpr Color Rgb(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<Color>(r) | (static_cast<Color>(g) << 8) | (static_cast<Color>(b) << 16);
}
constexpr uint8_t RedOf(Color c) { return c & 0xFF; }
constexpr uint8_t GreenOf(Color c) { return (c >> 8) & 0xFF; }
constexpr uint8_t BlueOf(Color c) { return (c >> 16) & 0xFF; }

}  // namespace VemoCalendar
