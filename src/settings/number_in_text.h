#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace velmora::settings {

// Every number the program keeps as text, in the settings store or in a text
// box, is read by one of the rules below. Each starts from the leading
// decimal number of the text: an optional sign, then digits. The empty string
// and a text that does not start with a number read as 0. The keys name their
// rule in settings_schema.h.

// A text read up to the end of its leading number. Digits is empty when the
// text does not start with a number.
struct LeadingNumber {
    bool negative = false;
    std::string_view digits;
    // What follows the digits.
    std::string_view rest;
};
LeadingNumber leadingNumber(std::string_view text);

// The leading number with any fraction cut off; saturates instead of
// overflowing (NumberRule::Leading). How a fill reads the four decoder values
// it sends (kProgrammeType, kFrequency, kPsIntervalSeconds,
// kRtIntervalSeconds), how a read-out reads the decoder fields the encoder
// sends, and how the live radiotext reads its RT entry (kLiveEntry).
std::int64_t numberFromText(std::string_view text);

// The leading number rounded to a whole number by the first digit of an
// optional fraction ("2.5" reads as 3, "2.49" as 2, "-2.5" as -3), held to the
// range of int (NumberRule::Rounded). How a connect reads the port number
// (kPortNumber).
int roundedNumberFromText(std::string_view text);

// The lowest 16 bits of the rounded number, however many digits it has; a
// negative number gives the bits of its two's complement. How the PI editor's
// text is read.
std::uint16_t low16BitsOfNumber(std::string_view text);

// The rounded number, when the number lies from lowest up to (not including)
// end. The range is checked on the number as written, before rounding, and on
// its rounding: "0.5" lies below 1 and "-0.4" below 0. Nothing when either
// falls outside, so that the reader falls back as it must
// (NumberRule::RoundedWithin). How the decoder window and the overview read
// the decoder keys they show (kProgrammeType, kFrequency, kPsIntervalPosition,
// kRtIntervalPosition).
std::optional<int> storedNumberInRange(std::string_view value, int lowest, int end);

// The position in a list of listLength entries that a stored value selects.
std::optional<int> storedListPosition(std::string_view value, int listLength);

} // namespace velmora::settings
