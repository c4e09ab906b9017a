#include "editors/frequency_text.h"

#include "station/station_settings.h"

namespace velmora::editors {

QString frequencyText(std::int64_t code, const QLocale& locale) {
    return QString::fromStdString(
        station::frequencyText(code, locale.decimalPoint().toStdString()));
}

} // namespace velmora::editors
