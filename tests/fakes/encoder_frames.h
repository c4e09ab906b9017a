#pragma once

#include <string_view>

namespace velmora::fakes {

// What an encoder sends as it announces itself and as it signs off.
inline constexpr std::string_view kIdentificationFrame = "^B^I12120302RX-UNIT1^E";
inline constexpr std::string_view kSignOffFrame = "^B^S^E";

} // namespace velmora::fakes
