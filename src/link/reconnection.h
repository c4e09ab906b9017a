#pragma once

#include "platform/timer.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace velmora::link {

// The wait before an automatic connect: its number from 1 on, and the
// seconds left, 0 while the attempt runs.
struct ReconnectWait {
    int attempt = 1;
    int secondsLeft = 0;

    bool operator==(const ReconnectWait&) const = default;
};

// 2, 4, 8, 16 and 32 s before the first five attempts, then 60 s each.
std::chrono::seconds reconnectDelay(int attempt);
// "Opnieuw verbinden over 8 s (poging 3)", or "Opnieuw verbinden (poging 3)"
// while it runs.
std::string reconnectText(const ReconnectWait& wait);

// Automatic reconnection after a lost connection: counts down the wait before
// each attempt, one second at a time, starts the attempt, and after a failed
// one waits longer, for as long as it takes, until a connection stands or
// the user takes over.
class Reconnection {
public:
    struct Handlers {
        // The countdown changed; none once reconnection is over.
        std::function<void(const std::optional<ReconnectWait>&)> show;
        // A new wait begins.
        std::function<void(const ReconnectWait&)> waitBegins;
        // The wait is over: connect now.
        std::function<void()> attempt;
    };

    Reconnection(platform::Timer& timer, Handlers handlers);
    ~Reconnection();
    Reconnection(const Reconnection&) = delete;
    Reconnection& operator=(const Reconnection&) = delete;

    // The connection was lost: the first wait begins.
    void start();
    // The automatic connect did not get through: the next wait begins.
    void attemptFailed();
    // A connection stands, or the user clicked: no more attempts.
    void stop();

    bool isActive() const { return wait_.has_value(); }
    bool isAttempting() const { return wait_ && wait_->secondsLeft == 0; }

private:
    void wait(int attempt);
    void tick();

    platform::Timer& timer_;
    Handlers handlers_;
    std::optional<ReconnectWait> wait_;
};

} // namespace velmora::link
