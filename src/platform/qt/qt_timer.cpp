#include "platform/qt/qt_timer.h"

namespace velmora::platform {

QtTimer::QtTimer() {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
        // A copy, so that a handler may replace itself while it runs.
        if (const auto handler = handler_) {
            handler();
        }
    });
}

} // namespace velmora::platform
