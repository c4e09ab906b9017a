#include "link/rounded_number.h"

#include "station/leading_number.h"

#include <cstddef>
#include <limits>

namespace velmora::link {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A fraction whose first digit is 5 or more rounds the number up.
bool roundsUp(const station::LeadingNumber& number) {
    const std::string_view rest = number.rest;
    return !number.digits.empty() && rest.size() >= 2 && rest[0] == '.' && isDigit(rest[1]) &&
           rest[1] >= '5';
}

} // namespace

int roundedNumberFromText(std::string_view text) {
    const station::LeadingNumber number = station::leadingNumber(text);
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
    const station::LeadingNumber number = station::leadingNumber(text);
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

} // namespace velmora::link
