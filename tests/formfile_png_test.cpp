// Pictures in form files: every PNG an image program writes loads; pictures are written as
// 8-bit RGBA. The files are put together chunk by chunk here, so each colour type, depth and
// interlace is one the writer under test did not make.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "formfile/FormFile.h"
#include "FormFileTestTools.h"
#include "formfile/Png.h"

namespace VemoCalendar {
namespace {

std::string Png(const std::string& header, const std::string& beforeData, const std::string& raw,
                const std::string& afterData = {}) {
    return kSignature + header + beforeData + Chunk("IDAT", Compress(raw)) + afterData + Chunk("IEND", {});
}

// A source image: its bytes for pixel (x, y) in the file's own layout, and the ARGB it must load as.
struct Source {
    int width, height;
    std::function<std::string(int x, int y)> bytes;
    std::function<uint32_t(int x, int y)> argb;
};

// The rows of filter byte 0 and pixel bytes, one pass (x0, y0, dx, dy) of the image.
std::string Pass(const Source& s, int x0, int y0, int dx, int dy) {
    std::string raw;
    for (int y = y0; y < s.height; y += dy) {
        if (x0 >= s.width) break;
        raw.push_back(0);
        for (int x = x0; x < s.width; x += dx) raw += s.bytes(x, y);
    }
    return raw;
}

std::string Rows(const Source& s) { return Pass(s, 0, 0, 1, 1); }

// The seven Adam7 passes, each its own run of filtered rows, as an interlacing encoder writes them.
std::string Adam7(const Source& s) {
    const int passes[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4}, {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
    std::string raw;
    for (const auto& p : passes) raw += Pass(s, p[0], p[1], p[2], p[3]);
    return raw;
}

PictureObject Expected(const Source& s) {
    PictureObject picture;
    picture.width = s.width;
    picture.height = s.height;
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x) picture.pixels.push_back(s.argb(x, y));
    return picture;
}

uint32_t Argb(uint32_t a, uint32_t r, uint32_t g, uint32_t b) { return a << 24 | r << 16 | g << 8 | b; }

// 8-bit RGBA whose every channel differs from pixel to pixel.
const Source kRgba{13, 9,
                   [](int x, int y) {
                       return std::string{static_cast<char>(x * 19), static_cast<char>(y * 27), static_cast<char>(x * y),
                                          static_cast<char>(255 - x - y)};
                   },
                   [](int x, int y) {
                       return Argb(static_cast<uint8_t>(255 - x - y), static_cast<uint8_t>(x * 19),
                                   static_cast<uint8_t>(y * 27), static_cast<uint8_t>(x * y));
                   }};

TEST(FormFilePngRead, EveryColourTypeAndDepthLoads) {
    const std::string palette = Chunk("PLTE", std::string("\xFF\x00\x00\x00\x80\xFF\x10\x20\x30", 9));
    const uint32_t paletteArgb[3] = {Argb(255, 255, 0, 0), Argb(255, 0, 128, 255), Argb(255, 16, 32, 48)};
    const uint32_t paletteTrnsArgb[3] = {Argb(0, 255, 0, 0), Argb(128, 0, 128, 255), Argb(255, 16, 32, 48)};
    struct Case {
        const char* name;
        std::string png;
        PictureObject expected;
    };
    const Source palette8{5, 4, [](int x, int y) { return std::string(1, static_cast<char>((x + y) % 3)); },
                          [&](int x, int y) { return paletteArgb[(x + y) % 3]; }};
    const Source paletteTrns{5, 4, palette8.bytes, [&](int x, int y) { return paletteTrnsArgb[(x + y) % 3]; }};
    // Two-bit indices, four to a byte, rows padded to a whole byte.
    const Source palette2{6, 2,
                          [](int, int) { return std::string(); },
                          [&](int x, int) { return paletteArgb[x % 3]; }};
    std::string palette2Raw;
    for (int y = 0; y < 2; ++y) {
        palette2Raw.push_back(0);
        palette2Raw.push_back(static_cast<char>(0b00011000));  // indices 0 1 2 0
        palette2Raw.push_back(static_cast<char>(0b01100000));  // indices 1 2 (padding)
    }
    const Source grey8{7, 3, [](int x, int y) { return std::string(1, static_cast<char>(x * 30 + y)); },
                       [](int x, int y) {
                           const auto v = static_cast<uint8_t>(x * 30 + y);
                           return Argb(255, v, v, v);
                       }};
    const Source greyAlpha{4, 4, [](int x, int y) { return std::string{static_cast<char>(x * 60), static_cast<char>(y * 80)}; },
                           [](int x, int y) {
                               const auto v = static_cast<uint8_t>(x * 60);
                               return Argb(static_cast<uint8_t>(y * 80), v, v, v);
                           }};
    const Source rgb8{3, 5, [](int x, int y) { return std::string{static_cast<char>(x * 80), static_cast<char>(y * 50), 7}; },
                      [](int x, int y) { return Argb(255, static_cast<uint8_t>(x * 80), static_cast<uint8_t>(y * 50), 7); }};
    // 16 bits a channel: the high byte is what 8 bits keep (the low byte equal to it, so no rounding).
    const Source rgba16{4, 3,
                        [](int x, int y) {
                            std::string out;
                            for (int v : {x * 60, y * 100, 200, 255 - x * 40})
                                out += {static_cast<char>(v), static_cast<char>(v)};
                            return out;
                        },
                        [](int x, int y) {
                            return Argb(static_cast<uint8_t>(255 - x * 40), static_cast<uint8_t>(x * 60),
                                        static_cast<uint8_t>(y * 100), 200);
                        }};
    const Case cases[] = {
        {"8-bit palette", Png(Header(5, 4, 8, 3), palette, Rows(palette8)), Expected(palette8)},
        {"palette with transparency",
         Png(Header(5, 4, 8, 3), palette + Chunk("tRNS", std::string("\x00\x80", 2)), Rows(paletteTrns)),
         Expected(paletteTrns)},
        {"2-bit palette", Png(Header(6, 2, 2, 3), palette, palette2Raw), Expected(palette2)},
        {"8-bit grey", Png(Header(7, 3, 8, 0), "", Rows(grey8)), Expected(grey8)},
        {"grey with alpha", Png(Header(4, 4, 8, 4), "", Rows(greyAlpha)), Expected(greyAlpha)},
        {"8-bit RGB", Png(Header(3, 5, 8, 2), "", Rows(rgb8)), Expected(rgb8)},
        {"16-bit RGBA", Png(Header(4, 3, 16, 6), "", Rows(rgba16)), Expected(rgba16)},
        {"interlaced with a text chunk",
         Png(Header(13, 9, 8, 6, 1), Chunk("tEXt", std::string("Comment\0made elsewhere", 22)), Adam7(kRgba)),
         Expected(kRgba)},
        {"interlaced palette", Png(Header(5, 4, 8, 3, 1), palette, Adam7(palette8)), Expected(palette8)},
        {"ancillary chunks before and after the pixels",
         Png(Header(13, 9, 8, 6), Chunk("pHYs", std::string("\0\0\x0B\x13\0\0\x0B\x13\x01", 9)) +
                                      Chunk("tIME", std::string("\x07\xE8\x01\x02\x03\x04\x05", 7)),
             Rows(kRgba), Chunk("tEXt", std::string("Author\0someone", 14)) + Chunk("prVt", "private")),
         Expected(kRgba)},
    };
    for (const Case& c : cases) {
        PictureObject loaded;
        const std::string message = ErrorOf([&] { loaded = DecodePng(c.png); });
        EXPECT_EQ(message, "") << c.name;
        EXPECT_EQ(loaded, c.expected) << c.name;
    }
}

// What is read is written back as 8-bit RGBA, not interlaced, and reads back the same.
TEST(FormFilePngWrite, WritesEightBitRgbaThatReadsBackTheSame) {
    std::mt19937 random(7);
    for (const auto& [w, h] : std::vector<std::pair<int, int>>{{1, 1}, {3, 2}, {17, 5}, {kMaxPictureSide, 1}, {1, kMaxPictureSide}}) {
        PictureObject picture;
        picture.width = w;
        picture.height = h;
        for (int i = 0; i < w * h; ++i) picture.pixels.push_back(static_cast<uint32_t>(random()));
        const std::string png = EncodePng(picture);
        ASSERT_GT(png.size(), 33u);
        EXPECT_EQ(png.substr(0, 8), kSignature);
        EXPECT_EQ(png.substr(12, 4), "IHDR");
        EXPECT_EQ(png[24], 8) << "bit depth";
        EXPECT_EQ(png[25], 6) << "colour type RGBA";
        EXPECT_EQ(png[28], 0) << "interlace";
        EXPECT_EQ(DecodePng(png), picture) << w << "x" << h;
    }
}

TEST(FormFilePngRead, SizesPastTheBoundAreRefusedBeforeInflating) {
    // The header alone says the size: no pixel data is needed to refuse it.
    for (const auto& [w, h] : std::vector<std::pair<uint32_t, uint32_t>>{{kMaxPictureSide + 1, 1}, {1, kMaxPictureSide + 1}, {100000, 100000}}) {
        const std::string png = kSignature + Header(w, h, 8, 6) + Chunk("IDAT", Compress(std::string(10, '\0'))) + Chunk("IEND", {});
        const std::string message = ErrorOf([&] { DecodePng(png); });
        EXPECT_NE(message.find(std::to_string(w) + "x" + std::to_string(h) + " outside 1x1..4096x4096"), std::string::npos)
            << message;
    }
    PictureObject tooWide;
    tooWide.width = kMaxPictureSide + 1;
    tooWide.height = 1;
    tooWide.pixels.resize(kMaxPictureSide + 1);
    EXPECT_NE(ErrorOf([&] { EncodePng(tooWide); }).find("outside"), std::string::npos);
    PictureObject mismatched;
    mismatched.width = 2;
    mismatched.height = 2;
    mismatched.pixels.resize(3);
    EXPECT_NE(ErrorOf([&] { EncodePng(mismatched); }).find("pixel count"), std::string::npos);
}

TEST(FormFilePngRead, DamagedFilesAreRefusedWithAReason) {
    const std::string raw(2 * (1 + 2 * 4), '\0');
    const std::string good = Png(Header(2, 2, 8, 6), "", raw);
    ASSERT_EQ(ErrorOf([&] { DecodePng(good); }), "");
    std::string badCrc = good;
    badCrc[kSignature.size() + 8 + 3] ^= 1;  // a byte of the header's data
    std::string badFilter = raw;
    badFilter[0] = 5;
    struct Case {
        const char* name;
        std::string png;
    };
    const Case cases[] = {
        {"empty", ""},
        {"not a PNG", "GIF89a"},
        {"signature only", kSignature},
        {"header checksum", badCrc},
        {"cut short", good.substr(0, good.size() - 20)},
        {"no header", kSignature + Chunk("IDAT", Compress(raw)) + Chunk("IEND", {})},
        {"data too short", Png(Header(2, 2, 8, 6), "", raw.substr(0, 5))},
        {"not deflate", kSignature + Header(2, 2, 8, 6) + Chunk("IDAT", "garbage") + Chunk("IEND", {})},
        {"unknown filter", Png(Header(2, 2, 8, 6), "", badFilter)},
        {"unknown critical chunk", Png(Header(2, 2, 8, 6), Chunk("XYZW", ""), raw)},
        {"bit depth RGBA has not", Png(Header(2, 2, 4, 6), "", raw)},
        {"palette missing", Png(Header(2, 2, 8, 3), "", std::string(2 * 3, '\0'))},
        {"zero width", Png(Header(0, 2, 8, 6), "", "")},
        {"chunk past the end", kSignature + Header(2, 2, 8, 6) + std::string("\x7F\xFF\xFF\xFFIDAT\0\0\0\0", 12)},
    };
    for (const Case& c : cases) {
        const std::string message = ErrorOf([&] { DecodePng(c.png); });
        // A reason follows the prefix: libpng's own words.
        EXPECT_EQ(message.rfind("picture: ", 0), 0u) << c.name << ": \"" << message << "\"";
        EXPECT_GT(message.size(), std::string("picture: ").size() + 3) << c.name;
    }
}

// A damaged picture inside a form names its control and key, as any other value does.
TEST(FormFilePngRead, ADamagedPictureInAFormNamesItsKey) {
    const std::string text = R"({"format": "VemoCalendar form", "version": 1, "width": 10, "height": 10, "controls": [
        {"type": "QvCalButton", "name": "Btn", "left": 0, "top": 0, "width": 10, "height": 10,
         "properties": {"Picture": {"type": "picture", "value": "iVBORw0KGgo="}}}]})";
    const std::string message = ErrorOf([&] { ParseFormFile(text); });
    EXPECT_NE(message.find("control #1 'Btn', property 'Picture': picture: "), std::string::npos) << message;
}

}  // namespace
}  // namespace VemoCalendar
