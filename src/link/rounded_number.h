#pragma once

#include <cstdint>
#include <string_view>

namespace velmora::link {

// The leading decimal number of a text, rounded to a whole number, as the port
// setting and the PI entry are read: an optional sign, digits, and an optional
// fraction whose first digit decides the rounding ("2.5" reads as 3, "2.49"
// as 2, "-2.5" as -3). The empty string and a text that does not start with a
// number read as 0.

// The number, held to the range of int.
int roundedNumberFromText(std::string_view text);

// The lowest 16 bits of the number, however many digits it has; a negative
// number gives the bits of its two's complement.
std::uint16_t low16BitsOfNumber(std::string_view text);

} // namespace velmora::link
