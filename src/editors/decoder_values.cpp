#include "editors/decoder_values.h"

#include "link/rounded_number.h"
#include "station/station_settings.h"

namespace velmora::editors {

std::optional<int> storedListPosition(std::string_view value, int listLength) {
    const int position = link::roundedNumberFromText(value);
    if (position < 0 || position >= listLength) {
        return std::nullopt;
    }
    return position;
}

QString frequencyText(std::int64_t code, const QLocale& locale) {
    return QString::fromStdString(
        station::frequencyText(code, locale.decimalPoint().toStdString()));
}

} // namespace velmora::editors
