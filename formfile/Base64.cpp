#include "formfile/Base64.h"

#include <array>
#include <cstdint>

namespace VemoCalendar {
namespace {

constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr std::array<int8_t, 256> MakeDecodeTable() {
    std::array<int8_t, 256> table{};
    for (auto& entry : table) entry = -1;
    for (size_t i = 0; i < kAlphabet.size(); ++i) table[static_cast<unsigned char>(kAlphabet[i])] = static_cast<int8_t>(i);
    return table;
}
constexpr std::array<int8_t, 256> kDecode = MakeDecodeTable();

}  // namespace

std::string EncodeBase64(std::string_view bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const size_t n = bytes.size() - i < 3 ? bytes.size() - i : 3;
        uint32_t group = 0;
        for (size_t j = 0; j < 3; ++j)
            group = group << 8 | (j < n ? static_cast<unsigned char>(bytes[i + j]) : 0u);
        for (size_t j = 0; j < 4; ++j)
            out.push_back(j <= n ? kAlphabet[(group >> (18 - 6 * j)) & 0x3F] : '=');
    }
    return out;
}

std::optional<std::string> DecodeBase64(std::string_view text) {
    if (text.size() % 4 != 0) return std::nullopt;
    std::string out;
    out.reserve(text.size() / 4 * 3);
    for (size_t i = 0; i < text.size(); i += 4) {
        const bool last = i + 4 == text.size();
        size_t padding = 0;
        if (last && text[i + 3] == '=') padding = text[i + 2] == '=' ? 2 : 1;
        uint32_t group = 0;
        for (size_t j = 0; j < 4; ++j) {
            int8_t value = 0;
            if (j < 4 - padding) {
                value = kDecode[static_cast<unsigned char>(text[i + j])];
                if (value < 0) return std::nullopt;
            }
            group = group << 6 | static_cast<uint32_t>(value);
        }
        // Bits below the last whole byte must be zero, as an encoder leaves them.
        if ((padding == 1 && (group & 0xFF) != 0) || (padding == 2 && (group & 0xFFFF) != 0)) return std::nullopt;
        for (size_t j = 0; j < 3 - padding; ++j) out.push_back(static_cast<char>((group >> (16 - 8 * j)) & 0xFF));
    }
    return out;
}

}  // namespace VemoCalendar
