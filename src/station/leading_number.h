#pragma once

#include <string_view>

namespace velmora::station {

// A text read up to the end of its leading decimal number: an optional sign,
// then digits. Digits is empty when the text does not start with a number.
struct LeadingNumber {
    bool negative = false;
    std::string_view digits;
    // What follows the digits.
    std::string_view rest;
};

LeadingNumber leadingNumber(std::string_view text);

} // namespace velmora::station
