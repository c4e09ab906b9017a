#pragma once

#include "platform/clock.h"
#include "settings/planning_settings.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace velmora::planning {

// One start of an entry: which entry, and when, counted in minutes on the
// calendar, so that the start of the same entry a day or a week later is
// another start.
struct Start {
    std::size_t entry;
    std::int64_t minute;
    // Its day, 0 for Monday, and time, for showing it.
    int weekday;
    int hour;
    int minuteOfHour;

    bool operator==(const Start&) const = default;
};

// The entry in force at that moment: of the entries that are on, the one
// whose latest start lies closest before it, or at it. Only the moment
// counts, not how it was reached: a computer that slept, a late start, a
// clock that jumps an hour or is set by hand all end with the entry in force
// now. Of two entries that start at the same minute, the first counts.
std::optional<Start> entryInForce(const std::vector<settings::PlanningEntry>& entries,
                                  const platform::LocalTime& now);
// The first start after that moment.
std::optional<Start> nextStart(const std::vector<settings::PlanningEntry>& entries,
                               const platform::LocalTime& now);

} // namespace velmora::planning
