#pragma once
#include <cstdint>
#include <memory>
#include <vector>

namespace VemoCalendar {

// A shared image: width x height pixels, row by row, each 0xAARRGGBB.
struct PictureObject {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    bool operator==(const PictureObject&) const = default;
};

using PictureRef = std::shared_ptr<PictureObject>;

}  // namespace VemoCalendar
