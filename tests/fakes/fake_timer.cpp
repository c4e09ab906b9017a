#include "fakes/fake_timer.h"

namespace velmora::fakes {

void FakeTimer::start(std::chrono::milliseconds interval) {
    interval_ = interval;
    running_ = true;
    ++startCount_;
}

bool FakeTimer::fire() {
    if (!running_ || !handler_) {
        return false;
    }
    handler_();
    return true;
}

} // namespace velmora::fakes
