#include "station/leading_number.h"

#include <cstddef>

namespace velmora::station {

LeadingNumber leadingNumber(std::string_view text) {
    LeadingNumber number;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        number.negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t first = pos;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        ++pos;
    }
    number.digits = text.substr(first, pos - first);
    number.rest = text.substr(pos);
    return number;
}

} // namespace velmora::station
