#include "link/rounded_number.h"

#include <cstddef>
#include <limits>

namespace velmora::link {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

struct LeadingNumber {
    bool negative = false;
    std::string_view digits;
    bool roundsUp = false;
};

LeadingNumber leadingNumber(std::string_view text) {
    LeadingNumber number;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        number.negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t first = pos;
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
    }
    number.digits = text.substr(first, pos - first);
    number.roundsUp = !number.digits.empty() && pos + 1 < text.size() && text[pos] == '.' &&
                      isDigit(text[pos + 1]) && text[pos + 1] >= '5';
    return number;
}

} // namespace

int roundedNumberFromText(std::string_view text) {
    const LeadingNumber number = leadingNumber(text);
    constexpr std::int64_t kLimit = std::numeric_limits<int>::max();
    std::int64_t magnitude = 0;
    for (const char digit : number.digits) {
        magnitude = magnitude * 10 + (digit - '0');
        if (magnitude > kLimit) {
            magnitude = kLimit;
            break;
        }
    }
    if (number.roundsUp && magnitude < kLimit) {
        ++magnitude;
    }
    return static_cast<int>(number.negative ? -magnitude : magnitude);
}

std::uint16_t low16BitsOfNumber(std::string_view text) {
    const LeadingNumber number = leadingNumber(text);
    // Arithmetic modulo 2^16 keeps exactly the low bits of any length of number.
    unsigned bits = 0;
    for (const char digit : number.digits) {
        bits = (bits * 10U + static_cast<unsigned>(digit - '0')) & 0xFFFFU;
    }
    if (number.roundsUp) {
        bits = (bits + 1U) & 0xFFFFU;
    }
    if (number.negative) {
        bits = (0x10000U - bits) & 0xFFFFU;
    }
    return static_cast<std::uint16_t>(bits);
}

} // namespace velmora::link
