#pragma once

#include <chrono>
#include <functional>

namespace velmora::platform {

// A repeating timer that fires on the user-interface thread while it runs.
class Timer {
public:
    virtual ~Timer() = default;

    virtual void setTimeoutHandler(std::function<void()> handler) = 0;
    virtual void start(std::chrono::milliseconds interval) = 0;
    virtual void stop() = 0;
    virtual bool isRunning() const = 0;
};

} // namespace velmora::platform
