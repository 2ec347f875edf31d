#include "calbutton/ButtonPicture.h"

#include <array>
#include <memory>
#include <string_view>

namespace VemoCalendar {

PictureRef MakeButtonPicture() {
    // One letter a pixel, each a colour of the 16-colour palette ('.' the transparent background).
    static constexpr std::array<std::string_view, 20> kRows{
        "....................", "....................", "..kk.kk.kk.kk.kk...", "..kRRRRRRRRRRRRRRk..",
        "..kRRRRRRRRRRRRRRk..", "..kRRRRRRRRRRRRRRk..", "..kkkkkkkkkkkkkkkk..", "..kWWWWWWWWWWWWWWk..",
        "..kWkWkWkWkWkWkWWk..", "..kWWWWWWWWWWWWWWk..", "..kWkWkWkWkWkWkWWk..", "..kWWWWWWWWWWWWWWk..",
        "..kWkWkWkWkBkWkWWk..", "..kWWWWWWWWWWWWWWk..", "..kWkWkWkWkWkWkWWk..", "..kWWWWWWWWWWWWWWk..",
        "..kWkWkWkWWWWWWWWk..", "..kWWWWWWWWWWWWWWk..", "..kkkkkkkkkkkkkkkk..", "...ggggggggggggggggg"};
    auto colour = [](char c) -> uint32_t {
        switch (c) {
            case 'k': return 0xFF000000;  // black
            case 'R': return 0xFF800000;  // dark red
            case 'W': return 0xFFFFFFFF;  // white
            case 'B': return 0xFF000080;  // dark blue: the selected day
            case 'g': return 0xFF808080;  // grey shadow
            default: return 0x00000000;
        }
    };
    auto picture = std::make_shared<PictureObject>();
    picture->width = 20;
    picture->height = 20;
    for (std::string_view row : kRows)
        for (int x = 0; x < 20; ++x) picture->pixels.push_back(colour(x < static_cast<int>(row.size()) ? row[x] : '.'));
    return picture;
}

}  // namespace VemoCalendar
