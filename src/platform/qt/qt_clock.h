#pragma once

#include "platform/clock.h"

namespace velmora::platform {

// The local time of the computer.
class QtClock : public Clock {
public:
    LocalTime now() const override;
};

} // namespace velmora::platform
