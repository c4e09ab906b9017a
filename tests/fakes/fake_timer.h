#pragma once

#include "platform/timer.h"

namespace velmora::fakes {

// A timer driven by hand: fire() runs the handler as one tick would.
class FakeTimer : public platform::Timer {
public:
    void setTimeoutHandler(std::function<void()> handler) override {
        handler_ = std::move(handler);
    }
    void start(std::chrono::milliseconds interval) override;
    void stop() override { running_ = false; }
    bool isRunning() const override { return running_; }

    std::chrono::milliseconds interval() const { return interval_; }
    int startCount() const { return startCount_; }
    // Runs one tick if the timer is running; returns whether it did.
    bool fire();

private:
    std::function<void()> handler_;
    std::chrono::milliseconds interval_{0};
    bool running_ = false;
    int startCount_ = 0;
};

} // namespace velmora::fakes
