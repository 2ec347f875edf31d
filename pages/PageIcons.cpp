#include "pages/PageIcons.h"

#include <memory>

#include "about/CalendarIcon.h"

namespace VemoCalendar {
namespace {

constexpr int kSize = 32;
constexpr uint32_t kClear = 0x00000000, kFace = 0xFFC0C0C0, kLight = 0xFFFFFFFF, kShadow = 0xFF808080,
                   kDark = 0xFF404040, kArrow = 0xFF000000;

struct Canvas {
    PictureObject& picture;
    void Fill(int left, int top, int right, int bottom, uint32_t color) {
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x) picture.pixels[static_cast<size_t>(y * kSize + x)] = color;
    }
};

}  // namespace

PictureRef MakeCalendarPagePicture() { return MakeCalendarIcon(kSize); }

PictureRef MakeCalButtonPagePicture() {
    auto picture = std::make_shared<PictureObject>();
    picture->width = kSize;
    picture->height = kSize;
    picture->pixels.assign(static_cast<size_t>(kSize * kSize), kClear);
    Canvas canvas{*picture};

    // A raised button across the top: light on the top and left, shadow on the bottom and right.
    canvas.Fill(1, 1, 30, 10, kFace);
    canvas.Fill(1, 1, 30, 1, kLight);
    canvas.Fill(1, 1, 1, 10, kLight);
    canvas.Fill(1, 10, 30, 10, kDark);
    canvas.Fill(30, 1, 30, 10, kDark);
    canvas.Fill(2, 9, 29, 9, kShadow);
    canvas.Fill(29, 2, 29, 9, kShadow);
    // Its drop-down arrow.
    for (int row = 0; row < 3; ++row) canvas.Fill(22 + row, 4 + row, 26 - row, 4 + row, kArrow);

    // The calendar dropping from it, drawn as the calendar's own icon at 20 pixels.
    const PictureRef sheet = MakeCalendarIcon(20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const uint32_t c = sheet->pixels[static_cast<size_t>(y * 20 + x)];
            if (c >> 24) picture->pixels[static_cast<size_t>((12 + y) * kSize + 6 + x)] = c;
        }
    return picture;
}

}  // namespace VemoCalendar
