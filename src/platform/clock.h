#pragma once

namespace velmora::platform {

// A moment on the computer's own clock, in local time, to the second.
struct LocalTime {
    int year = 2000;
    int month = 1; // 1 to 12
    int day = 1;   // 1 to 31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int weekday = 5; // 0 is Monday ("ma"), 6 is Sunday ("zo"); 1 January 2000 was a Saturday

    bool operator==(const LocalTime&) const = default;
};

// The time now, as the user sees it on the computer. It may jump: summer
// time, or a clock set by hand.
class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime now() const = 0;
};

} // namespace velmora::platform
