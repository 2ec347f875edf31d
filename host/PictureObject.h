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

// Largest width and height of a picture a control takes, in pixels: the most a form file holds.
inline constexpr int kMaxPictureSide = 4096;

// Whether a form file can hold the picture: 1..kMaxPictureSide pixels each way, one value per pixel.
inline bool IsStorablePicture(const PictureObject& picture) {
    return picture.width >= 1 && picture.height >= 1 && picture.width <= kMaxPictureSide &&
           picture.height <= kMaxPictureSide &&
           picture.pixels.size() == static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height);
}

}  // namespace VemoCalendar
