#include "platform/qt/qt_clock.h"

#include <QDateTime>

namespace velmora::platform {

LocalTime QtClock::now() const {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {.year = date.year(),
            .month = date.month(),
            .day = date.day(),
            .hour = time.hour(),
            .minute = time.minute(),
            .second = time.second(),
            .weekday = date.dayOfWeek() - 1};
}

} // namespace velmora::platform
