#include "formfile/Png.h"

#include <png.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "formfile/FormFileError.h"

namespace VemoCalendar {
namespace {

constexpr size_t kBytesPerPixel = 4;

[[noreturn]] void Fail(const std::string& what) { throw FormFileError("picture: " + what); }

std::string SizeText(uint64_t width, uint64_t height) { return std::to_string(width) + "x" + std::to_string(height); }

void CheckSize(uint64_t width, uint64_t height) {
    if (width < 1 || height < 1 || width > kMaxPictureSide || height > kMaxPictureSide)
        Fail("size " + SizeText(width, height) + " outside 1x1.." + SizeText(kMaxPictureSide, kMaxPictureSide));
}

// Frees what libpng holds for an image, also when reading stops early.
struct ImageGuard {
    png_image& image;
    ~ImageGuard() { png_image_free(&image); }
};

}  // namespace

std::string EncodePng(const PictureObject& picture) {
    CheckSize(static_cast<uint64_t>(std::max(picture.width, 0)), static_cast<uint64_t>(std::max(picture.height, 0)));
    const auto width = static_cast<size_t>(picture.width), height = static_cast<size_t>(picture.height);
    if (picture.pixels.size() != width * height) Fail("pixel count does not match its size");

    std::vector<uint8_t> rgba;
    rgba.reserve(width * height * kBytesPerPixel);
    for (const uint32_t argb : picture.pixels)
        rgba.insert(rgba.end(), {static_cast<uint8_t>(argb >> 16), static_cast<uint8_t>(argb >> 8),
                                 static_cast<uint8_t>(argb), static_cast<uint8_t>(argb >> 24)});

    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGBA;  // 8 bits a channel, not premultiplied
    const ImageGuard guard{image};
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgba.data(), 0, nullptr)) Fail(image.message);
    std::string png(size, '\0');
    if (!png_image_write_to_memory(&image, png.data(), &size, 0, rgba.data(), 0, nullptr)) Fail(image.message);
    png.resize(size);
    return png;
}

PictureObject DecodePng(std::string_view png) {
    constexpr size_t kSignatureBytes = 8;
    if (png.size() < kSignatureBytes ||
        png_sig_cmp(reinterpret_cast<png_const_bytep>(png.data()), 0, kSignatureBytes) != 0)
        Fail("not a PNG file");
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    const ImageGuard guard{image};
    if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) Fail(image.message);
    // The size is known from the header, before any pixel is inflated.
    CheckSize(image.width, image.height);
    // libpng turns every colour type, depth and interlace into 8-bit sRGB RGBA. A 16-bit file
    // without gamma is taken as sRGB, as image programs and viewers take it, not as linear.
    image.flags |= PNG_IMAGE_FLAG_16BIT_sRGB;
    image.format = PNG_FORMAT_RGBA;
    const size_t width = image.width, height = image.height;
    std::vector<uint8_t> rgba(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) Fail(image.message);

    PictureObject picture;
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    picture.pixels.reserve(width * height);
    for (size_t i = 0; i < width * height; ++i) {
        const uint8_t* p = rgba.data() + i * kBytesPerPixel;
        picture.pixels.push_back(static_cast<uint32_t>(p[3]) << 24 | static_cast<uint32_t>(p[0]) << 16 |
                                 static_cast<uint32_t>(p[1]) << 8 | p[2]);
    }
    return picture;
}

}  // namespace VemoCalendar
