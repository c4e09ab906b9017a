#include "fakes/param_names.h"
#include "planning/schedule.h"

#include <gtest/gtest.h>

namespace velmora::planning {
namespace {

using fakes::PrintTo;
using settings::PlanningEntry;

// A moment in the fortnight from Monday 7 December 2026.
platform::LocalTime at(int day, int hour, int minute) {
    return {.year = 2026,
            .month = 12,
            .day = day,
            .hour = hour,
            .minute = minute,
            .second = 30,
            .weekday = (day - 7) % 7};
}

PlanningEntry entry(std::array<bool, 7> days, int hour, int minute, bool on = true) {
    return {.days = days, .hour = hour, .minute = minute, .file = {}, .on = on};
}

constexpr std::array<bool, 7> kWorkdays{true, true, true, true, true, false, false};
constexpr std::array<bool, 7> kWeekend{false, false, false, false, false, true, true};
constexpr std::array<bool, 7> kWednesday{false, false, true, false, false, false, false};
constexpr std::array<bool, 7> kSunday{false, false, false, false, false, false, true};

// Morning and evening on workdays, the weekend, Wednesday noon switched off,
// and Sunday 02:30, which a clock that jumps from 02:00 to 03:00 skips.
const std::vector<PlanningEntry> kPlanning{entry(kWorkdays, 6, 0), entry(kWorkdays, 19, 0),
                                           entry(kWeekend, 8, 0), entry(kWednesday, 12, 0, false),
                                           entry(kSunday, 2, 30)};

struct Moment {
    const char* name;
    platform::LocalTime now;
    std::optional<std::size_t> inForce;
    std::optional<std::size_t> next;
};

class EntryInForce : public testing::TestWithParam<Moment> {};

TEST_P(EntryInForce, IsTheLatestStartAtOrBeforeTheMoment) {
    const std::optional<Start> inForce = entryInForce(kPlanning, GetParam().now);
    EXPECT_EQ(inForce ? std::optional(inForce->entry) : std::nullopt, GetParam().inForce);
    const std::optional<Start> next = nextStart(kPlanning, GetParam().now);
    EXPECT_EQ(next ? std::optional(next->entry) : std::nullopt, GetParam().next);
}

INSTANTIATE_TEST_SUITE_P(
    Week, EntryInForce,
    testing::Values(Moment{"AtItsStartMinute", at(7, 6, 0), 0, 1},
                    Moment{"BeforeMondayMorningTheWeekendGoesOn", at(7, 5, 59), 2, 0},
                    Moment{"EveningUntilMidnight", at(11, 23, 59), 1, 2},
                    Moment{"AfterMidnightTheEveningStaysInForce", at(12, 0, 0), 1, 2},
                    Moment{"AnEntrySwitchedOffNeverCounts", at(9, 12, 30), 0, 1},
                    Moment{"ClockJumpedForwardAnHour", at(13, 3, 0), 4, 2},
                    Moment{"ClockSetBackAnHour", at(13, 2, 0), 2, 4},
                    Moment{"TheWeekWrapsFromSundayToMonday", at(14, 0, 5), 2, 0}),
    fakes::ByCaseName());

TEST(EntryInForceWithoutEntries, IsNone) {
    EXPECT_EQ(entryInForce({entry(kWorkdays, 6, 0, false)}, at(8, 12, 0)), std::nullopt);
    // Another day of the same entry is another start.
    const std::vector<PlanningEntry> daily{entry(kWorkdays, 6, 0)};
    EXPECT_NE(entryInForce(daily, at(8, 7, 0)), entryInForce(daily, at(9, 7, 0)));
}

} // namespace
} // namespace velmora::planning
