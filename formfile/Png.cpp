#include "formfile/Png.h"

#include <zlib.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "formfile/FormFileError.h"

namespace VemoCalendar {
namespace {

constexpr std::string_view kSignature("\x89PNG\r\n\x1a\n", 8);
constexpr size_t kBytesPerPixel = 4;

void PutU32(std::string& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

uint32_t GetU32(std::string_view in, size_t at) {
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(in[at + i]);
    return v;
}

uint32_t Crc(std::string_view bytes) {
    return static_cast<uint32_t>(
        crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}

void PutChunk(std::string& out, std::string_view type, std::string_view data) {
    PutU32(out, static_cast<uint32_t>(data.size()));
    const size_t typeAt = out.size();
    out.append(type);
    out.append(data);
    PutU32(out, Crc(std::string_view(out).substr(typeAt)));
}

[[noreturn]] void Fail(const std::string& what) { throw FormFileError("picture: " + what); }

uint8_t Paeth(uint8_t a, uint8_t b, uint8_t c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc) return a;
    return pb <= pc ? b : c;
}

// Undoes the row filters in place; `rows` holds each row's filter byte followed by its bytes.
void Unfilter(std::vector<uint8_t>& rows, size_t width, size_t height) {
    const size_t stride = width * kBytesPerPixel;
    for (size_t y = 0; y < height; ++y) {
        uint8_t* row = rows.data() + y * (stride + 1);
        const uint8_t filter = row[0];
        uint8_t* cur = row + 1;
        const uint8_t* prev = y > 0 ? cur - (stride + 1) : nullptr;
        for (size_t i = 0; i < stride; ++i) {
            const uint8_t left = i >= kBytesPerPixel ? cur[i - kBytesPerPixel] : 0;
            const uint8_t up = prev ? prev[i] : 0;
            const uint8_t upLeft = prev && i >= kBytesPerPixel ? prev[i - kBytesPerPixel] : 0;
            switch (filter) {
                case 0: break;
                case 1: cur[i] = static_cast<uint8_t>(cur[i] + left); break;
                case 2: cur[i] = static_cast<uint8_t>(cur[i] + up); break;
                case 3: cur[i] = static_cast<uint8_t>(cur[i] + (left + up) / 2); break;
                case 4: cur[i] = static_cast<uint8_t>(cur[i] + Paeth(left, up, upLeft)); break;
                default: Fail("unknown row filter " + std::to_string(filter));
            }
        }
    }
}

}  // namespace

std::string EncodePng(const PictureObject& picture) {
    if (picture.width < 1 || picture.height < 1 || picture.width > kMaxPictureSide ||
        picture.height > kMaxPictureSide)
        Fail("size " + std::to_string(picture.width) + "x" + std::to_string(picture.height) + " outside 1x1.." +
             std::to_string(kMaxPictureSide) + "x" + std::to_string(kMaxPictureSide));
    const auto width = static_cast<size_t>(picture.width), height = static_cast<size_t>(picture.height);
    if (picture.pixels.size() != width * height) Fail("pixel count does not match its size");

    std::vector<uint8_t> raw;
    raw.reserve(height * (1 + width * kBytesPerPixel));
    for (size_t y = 0; y < height; ++y) {
        raw.push_back(0);  // no filter
        for (size_t x = 0; x < width; ++x) {
            const uint32_t argb = picture.pixels[y * width + x];
            raw.insert(raw.end(), {static_cast<uint8_t>(argb >> 16), static_cast<uint8_t>(argb >> 8),
                                   static_cast<uint8_t>(argb), static_cast<uint8_t>(argb >> 24)});
        }
    }
    uLongf compressedSize = compressBound(static_cast<uLong>(raw.size()));
    std::string compressed(compressedSize, '\0');
    if (compress(reinterpret_cast<Bytef*>(compressed.data()), &compressedSize, raw.data(),
                 static_cast<uLong>(raw.size())) != Z_OK)
        Fail("compression failed");
    compressed.resize(compressedSize);

    std::string header;
    PutU32(header, static_cast<uint32_t>(width));
    PutU32(header, static_cast<uint32_t>(height));
    header += std::string("\x08\x06\x00\x00\x00", 5);  // 8-bit RGBA, deflate, standard filters, no interlace

    std::string png(kSignature);
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", compressed);
    PutChunk(png, "IEND", {});
    return png;
}

PictureObject DecodePng(std::string_view png) {
    if (png.substr(0, kSignature.size()) != kSignature) Fail("not a PNG file");
    size_t at = kSignature.size();
    bool haveHeader = false, ended = false;
    uint32_t width = 0, height = 0;
    std::string compressed;
    while (!ended) {
        if (png.size() - at < 12) Fail("PNG file cut short");
        const uint32_t length = GetU32(png, at);
        if (length > png.size() - at - 12) Fail("PNG chunk longer than the file");
        const std::string_view type = png.substr(at + 4, 4);
        const std::string_view data = png.substr(at + 8, length);
        if (GetU32(png, at + 8 + length) != Crc(png.substr(at + 4, 4 + length))) Fail("PNG chunk checksum wrong");
        at += 12 + length;

        if (!haveHeader && type != "IHDR") Fail("PNG file does not begin with its header");
        if (type == "IHDR") {
            if (haveHeader || length != 13) Fail("PNG header damaged");
            haveHeader = true;
            width = GetU32(data, 0);
            height = GetU32(data, 4);
            const auto depth = static_cast<uint8_t>(data[8]), colorType = static_cast<uint8_t>(data[9]);
            if (depth != 8 || colorType != 6)
                Fail("only 8-bit RGBA PNG is supported (bit depth " + std::to_string(depth) + ", colour type " +
                     std::to_string(colorType) + ")");
            if (data[10] != 0 || data[11] != 0) Fail("PNG compression or filter method unknown");
            if (data[12] != 0) Fail("interlaced PNG is not supported");
            if (width < 1 || height < 1 || width > kMaxPictureSide || height > kMaxPictureSide)
                Fail("size " + std::to_string(width) + "x" + std::to_string(height) + " outside 1x1.." +
                     std::to_string(kMaxPictureSide) + "x" + std::to_string(kMaxPictureSide));
        } else if (type == "IDAT") {
            compressed.append(data);
        } else if (type == "IEND") {
            ended = true;
        } else if ((static_cast<unsigned char>(type[0]) & 0x20) == 0 && type != "PLTE") {
            // A critical chunk we do not know changes the meaning of the image.
            Fail("PNG chunk " + std::string(type) + " is not supported");
        }
    }

    const size_t stride = static_cast<size_t>(width) * kBytesPerPixel;
    std::vector<uint8_t> rows(static_cast<size_t>(height) * (stride + 1));
    uLongf rowsSize = static_cast<uLongf>(rows.size());
    if (uncompress(rows.data(), &rowsSize, reinterpret_cast<const Bytef*>(compressed.data()),
                   static_cast<uLong>(compressed.size())) != Z_OK ||
        rowsSize != rows.size())
        Fail("PNG image data damaged or of the wrong size");
    Unfilter(rows, width, height);

    PictureObject picture;
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    picture.pixels.reserve(static_cast<size_t>(width) * height);
    for (size_t y = 0; y < height; ++y) {
        const uint8_t* p = rows.data() + y * (stride + 1) + 1;
        for (size_t x = 0; x < width; ++x, p += kBytesPerPixel)
            picture.pixels.push_back(static_cast<uint32_t>(p[3]) << 24 | static_cast<uint32_t>(p[0]) << 16 |
                                     static_cast<uint32_t>(p[1]) << 8 | p[2]);
    }
    return picture;
}

}  // namespace VemoCalendar
