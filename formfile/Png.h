#pragma once
#include <string>
#include <string_view>

#include "host/PictureObject.h"

namespace VemoCalendar {

// Largest width and height of a stored picture, in pixels.
inline constexpr int kMaxPictureSide = 4096;

// The picture as a PNG file: 8-bit RGBA, not interlaced. Throws FormFileError for a picture
// without pixels, larger than kMaxPictureSide, or whose pixel count does not match its size.
std::string EncodePng(const PictureObject& picture);

// Reads what EncodePng writes (any of the five row filters, any chunk split of the image data).
// Anything else, a damaged file, or a picture past kMaxPictureSide throws FormFileError.
PictureObject DecodePng(std::string_view png);

}  // namespace VemoCalendar
