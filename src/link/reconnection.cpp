#include "link/reconnection.h"

#include <algorithm>

namespace velmora::link {
namespace {

constexpr int kDoublingAttempts = 5;
constexpr std::chrono::seconds kFirstDelay{2};
constexpr std::chrono::seconds kLongestDelay{60};
constexpr std::chrono::seconds kCountdownStep{1};

} // namespace

std::chrono::seconds reconnectDelay(int attempt) {
    if (attempt > kDoublingAttempts) {
        return kLongestDelay;
    }
    return std::min(kFirstDelay * (1 << (std::max(attempt, 1) - 1)), kLongestDelay);
}

std::string reconnectText(const ReconnectWait& wait) {
    const std::string attempt = "(poging " + std::to_string(wait.attempt) + ")";
    if (wait.secondsLeft == 0) {
        return "Opnieuw verbinden " + attempt;
    }
    return "Opnieuw verbinden over " + std::to_string(wait.secondsLeft) + " s " + attempt;
}

Reconnection::Reconnection(platform::Timer& timer, Handlers handlers)
    : timer_(timer), handlers_(std::move(handlers)) {
    timer_.setTimeoutHandler([this] { tick(); });
}

Reconnection::~Reconnection() {
    timer_.setTimeoutHandler({});
}

void Reconnection::start() {
    wait(1);
}

void Reconnection::attemptFailed() {
    if (isAttempting()) {
        wait(wait_->attempt + 1);
    }
}

void Reconnection::stop() {
    timer_.stop();
    if (wait_) {
        wait_.reset();
        handlers_.show(std::nullopt);
    }
}

void Reconnection::wait(int attempt) {
    wait_ = ReconnectWait{attempt, static_cast<int>(reconnectDelay(attempt).count())};
    handlers_.waitBegins(*wait_);
    handlers_.show(wait_);
    timer_.start(kCountdownStep);
}

void Reconnection::tick() {
    if (!wait_ || wait_->secondsLeft == 0) {
        timer_.stop();
        return;
    }
    --wait_->secondsLeft;
    handlers_.show(wait_);
    if (wait_->secondsLeft == 0) {
        timer_.stop();
        handlers_.attempt();
    }
}

} // namespace velmora::link
