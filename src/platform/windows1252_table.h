#pragma once

#include <array>
#include <optional>

namespace velmora::platform::windows1252 {

// Unicode code points of the bytes 0x80-0x9F. The five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control
// character of the same value, so every byte has a character and back.
inline constexpr std::array<char16_t, 32> kBlock80To9F{
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178'};

// All other bytes are the Latin-1 code point of the same value.
constexpr char16_t unicodeOf(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kBlock80To9F[byte - 0x80u] : char16_t{byte};
}

// The byte that holds the character, or nothing when the code page has none.
constexpr std::optional<unsigned char> byteOf(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<unsigned char>(codePoint);
    }
    for (unsigned i = 0; i < kBlock80To9F.size(); ++i) {
        if (kBlock80To9F[i] == codePoint) {
            return static_cast<unsigned char>(0x80u + i);
        }
    }
    return std::nullopt;
}

} // namespace velmora::platform::windows1252
