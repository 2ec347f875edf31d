#pragma once
#include <string>
#include <string_view>

#include "host/PictureObject.h"

namespace VemoCalendar {

// The picture as a PNG file (written by libpng): 8-bit RGBA, not interlaced. Throws
// FormFileError for a picture without pixels, larger than kMaxPictureSide, or whose pixel count
// does not match its size.
std::string EncodePng(const PictureObject& picture);

// Reads every PNG that libpng reads: palette, grey, RGB and RGBA, 1 to 16 bits, interlaced or
// not, with any ancillary chunk; transparency and gamma are applied, giving 8-bit sRGB RGBA. A
// damaged file, or a picture past kMaxPictureSide (refused before its pixels are inflated),
// throws FormFileError with libpng's reason.
PictureObject DecodePng(std::string_view png);

}  // namespace VemoCalendar
