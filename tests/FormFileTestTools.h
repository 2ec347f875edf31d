#pragma once
#include <zlib.h>

#include <cstdint>
#include <string>

#include "formfile/FormFile.h"

namespace VemoCalendar {

// The message of the FormFileError that `action` throws, or "" when it throws none.
template <class Action>
std::string ErrorOf(Action action) {
    try {
        action();
    } catch (const FormFileError& e) {
        return e.what();
    }
    return "";
}

// ---- PNG pieces, to make files the encoder would not write ----

inline void PutU32(std::string& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

inline std::string Chunk(const std::string& type, const std::string& data) {
    std::string out;
    PutU32(out, static_cast<uint32_t>(data.size()));
    const std::string body = type + data;
    out += body;
    PutU32(out, static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()))));
    return out;
}

inline std::string Header(uint32_t width, uint32_t height, int depth = 8, int colorType = 6, int interlace = 0) {
    std::string data;
    PutU32(data, width);
    PutU32(data, height);
    data += {static_cast<char>(depth), static_cast<char>(colorType), 0, 0, static_cast<char>(interlace)};
    return Chunk("IHDR", data);
}

inline std::string Compress(const std::string& raw) {
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::string out(size, '\0');
    compress(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(raw.data()),
             static_cast<uLong>(raw.size()));
    out.resize(size);
    return out;
}

inline const std::string kSignature("\x89PNG\r\n\x1a\n", 8);

}  // namespace VemoCalendar
