#include "editors/frequency_text.h"

#include "station/station_settings.h"

using namespace Qt::StringLiterals;

namespace velmora::editors {

QString frequencyText(std::int64_t code, const QLocale& locale) {
    return QString::fromStdString(
        station::frequencyText(code, locale.decimalPoint().toStdString()));
}

QString frequencyInMegahertz(std::int64_t code, const QLocale& locale) {
    return frequencyText(code, locale) + u" MHz"_s;
}

} // namespace velmora::editors
