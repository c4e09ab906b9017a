#pragma once

#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>

namespace velmora::bench {

// Runs the event loop until the condition holds or the time is up, looking
// at the condition every poll interval.
inline bool runUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit,
                     std::chrono::milliseconds poll) {
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (condition()) {
            loop.quit();
        }
    });
    look.start(poll);
    QTimer::singleShot(limit, &loop, &QEventLoop::quit);
    loop.exec();
    return condition();
}

} // namespace velmora::bench
