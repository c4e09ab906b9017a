#pragma once

namespace velmora::settings {

// The values the decoder information can take, which bound its keys.

// Programme types are the positions 0 to 31 of their list, 0 being "Geen".
inline constexpr int kProgrammeTypeCount = 32;

// Alternative frequency codes: 0 is none, 1 to 204 stand for 87.5 + code/10 MHz.
inline constexpr int kHighestFrequencyCode = 204;

// Each interval is kept as a list position and in seconds; position 0 is the
// shortest interval.
struct IntervalRange {
    int shortestSeconds;
    int longestSeconds;

    constexpr int positionCount() const { return longestSeconds - shortestSeconds + 1; }
    constexpr int secondsAt(int position) const { return shortestSeconds + position; }
};

inline constexpr IntervalRange kPsIntervalRange{3, 120};
inline constexpr IntervalRange kRtIntervalRange{25, 120};

} // namespace velmora::settings
