#include "editors/decoder_values.h"

#include "link/rounded_number.h"
#include "station/station_settings.h"

#include <limits>

namespace velmora::editors {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
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
    const std::int64_t truncated = station::numberFromText(text);
    const bool negative = !text.empty() && text[0] == '-';
    if (negative && hasFraction(text) && truncated > std::numeric_limits<std::int64_t>::min()) {
        return truncated - 1;
    }
    return truncated;
}

} // namespace

std::optional<int> storedNumberInRange(std::string_view value, int lowest, int end) {
    const std::int64_t below = floorOfNumber(value);
    const int rounded = link::roundedNumberFromText(value);
    if (below < lowest || below >= end || rounded < lowest || rounded >= end) {
        return std::nullopt;
    }
    return rounded;
}

std::optional<int> storedListPosition(std::string_view value, int listLength) {
    return storedNumberInRange(value, 0, listLength);
}

QString frequencyText(std::int64_t code, const QLocale& locale) {
    return QString::fromStdString(
        station::frequencyText(code, locale.decimalPoint().toStdString()));
}

} // namespace velmora::editors
