#include "settings/number_in_text.h"

#include <cstddef>
#include <limits>

namespace velmora::settings {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A fraction whose first digit is 5 or more rounds the number up.
bool roundsUp(const LeadingNumber& number) {
    const std::string_view rest = number.rest;
    return !number.digits.empty() && rest.size() >= 2 && rest[0] == '.' && isDigit(rest[1]) &&
           rest[1] >= '5';
}

// The leading number of the text has digits other than 0 after its point.
bool hasFraction(std::string_view text) {
    std::size_t pos = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
    }
    if (pos >= text.size() || text[pos] != '.') {
        return false;
    }
    for (++pos; pos < text.size() && isDigit(text[pos]); ++pos) {
        if (text[pos] != '0') {
            return true;
        }
    }
    return false;
}

// The whole number at or below the leading number of the text: 0 for "0.5",
// -1 for "-0.4".
std::int64_t floorOfNumber(std::string_view text) {
    const std::int64_t truncated = numberFromText(text);
    const bool negative = !text.empty() && text[0] == '-';
    if (negative && hasFraction(text) && truncated > std::numeric_limits<std::int64_t>::min()) {
        return truncated - 1;
    }
    return truncated;
}

} // namespace

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
    number.rest = text.substr(pos);
    return number;
}

std::int64_t numberFromText(std::string_view text) {
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    const LeadingNumber number = leadingNumber(text);
    std::int64_t value = 0;
    for (const char digitCharacter : number.digits) {
        const int digit = digitCharacter - '0';
        value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
    }
    return number.negative ? -value : value;
}

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
    if (roundsUp(number) && magnitude < kLimit) {
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
    if (roundsUp(number)) {
        bits = (bits + 1U) & 0xFFFFU;
    }
    if (number.negative) {
        bits = (0x10000U - bits) & 0xFFFFU;
    }
    return static_cast<std::uint16_t>(bits);
}

std::optional<int> storedNumberInRange(std::string_view value, int lowest, int end) {
    const std::int64_t below = floorOfNumber(value);
    const int rounded = roundedNumberFromText(value);
    if (below < lowest || below >= end || rounded < lowest || rounded >= end) {
        return std::nullopt;
    }
    return rounded;
}

std::optional<int> storedListPosition(std::string_view value, int listLength) {
    return storedNumberInRange(value, 0, listLength);
}

} // namespace velmora::settings
