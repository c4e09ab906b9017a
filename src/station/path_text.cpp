#include "station/path_text.h"

#include "platform/windows1252_table.h"

#include <optional>

namespace velmora::station {
namespace {

void appendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

// Decodes the UTF-8 sequence at the front of text and removes it; nothing
// when the sequence is broken, after removing its first byte.
std::optional<char32_t> takeCodePoint(std::string_view& text) {
    const auto lead = static_cast<unsigned char>(text.front());
    text.remove_prefix(1);
    int following = 0;
    char32_t codePoint = 0;
    if (lead < 0x80) {
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        following = 1;
        codePoint = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
        following = 2;
        codePoint = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
        following = 3;
        codePoint = lead & 0x07u;
    } else {
        return std::nullopt;
    }
    for (int i = 0; i < following; ++i) {
        if (text.empty() || (static_cast<unsigned char>(text.front()) & 0xC0) != 0x80) {
            return std::nullopt;
        }
        codePoint = (codePoint << 6) | (static_cast<unsigned char>(text.front()) & 0x3Fu);
        text.remove_prefix(1);
    }
    return codePoint;
}

} // namespace

std::string utf8PathFromText(std::string_view windows1252) {
    std::string utf8;
    utf8.reserve(windows1252.size());
    for (const char byte : windows1252) {
        appendUtf8(utf8, platform::windows1252::unicodeOf(static_cast<unsigned char>(byte)));
    }
    return utf8;
}

std::string textFromUtf8Path(std::string_view utf8) {
    std::string text;
    text.reserve(utf8.size());
    while (!utf8.empty()) {
        const auto codePoint = takeCodePoint(utf8);
        const auto byte = codePoint ? platform::windows1252::byteOf(*codePoint) : std::nullopt;
        text.push_back(static_cast<char>(byte.value_or('?')));
    }
    return text;
}

} // namespace velmora::station
