#pragma once

#include "platform/clock.h"

namespace velmora::fakes {

// A clock the test sets.
class FakeClock : public platform::Clock {
public:
    platform::LocalTime now() const override { return time; }

    platform::LocalTime time;
};

} // namespace velmora::fakes
