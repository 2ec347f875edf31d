#include "about/CalendarIcon.h"

#include <memory>

namespace VemoCalendar {

PictureRef MakeCalendarIcon(int size) {
    constexpr uint32_t kClear = 0x00000000, kPaper = 0xFFFFFFFF, kEdge = 0xFF404040, kHeader = 0xFFC02020,
                       kDay = 0xFF808080;
    auto picture = std::make_shared<PictureObject>();
    picture->width = size;
    picture->height = size;
    picture->pixels.assign(static_cast<size_t>(size) * static_cast<size_t>(size), kClear);
    const int margin = size / 16;
    const int top = size / 8, bottom = size - margin - 1, left = margin, right = size - margin - 1;
    const int headerBottom = top + size / 4;
    auto at = [&](int x, int y) -> uint32_t& { return picture->pixels[static_cast<size_t>(y * size + x)]; };
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) {
            const bool edge = x == left || x == right || y == top || y == bottom;
            uint32_t c = edge ? kEdge : (y <= headerBottom ? kHeader : kPaper);
            // Day marks: a 4 x 3 grid of small squares below the header.
            const int cellW = (right - left) / 4, cellH = (bottom - headerBottom) / 3;
            if (!edge && y > headerBottom && cellW > 2 && cellH > 2) {
                const int cx = (x - left) % cellW, cy = (y - headerBottom) % cellH;
                if (cx > cellW / 4 && cx < cellW * 3 / 4 && cy > cellH / 4 && cy < cellH * 3 / 4) c = kDay;
            }
            at(x, y) = c;
        }
    return picture;
}

}  // namespace VemoCalendar
