#pragma once

#include "platform/timer.h"

#include <QTimer>

namespace velmora::platform {

// A repeating QTimer. It is precise, so that the 50 ms pacing of a fill does
// not drift by the 5 % a coarse timer allows.
class QtTimer : public Timer {
public:
    QtTimer();

    void setTimeoutHandler(std::function<void()> handler) override {
        handler_ = std::move(handler);
    }
    void start(std::chrono::milliseconds interval) override { timer_.start(interval); }
    void stop() override { timer_.stop(); }
    bool isRunning() const override { return timer_.isActive(); }

private:
    QTimer timer_;
    std::function<void()> handler_;
};

} // namespace velmora::platform
