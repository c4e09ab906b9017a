#include "planning/schedule.h"

namespace velmora::planning {
namespace {

constexpr std::int64_t kMinutesPerDay = 24 * 60;
constexpr int kDaysPerWeek = settings::kDaysInWeek;

// Days since 1 January 1970 of a date on the proleptic Gregorian calendar.
std::int64_t daysFromCivil(int year, int month, int day) {
    const std::int64_t y = year - (month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

std::int64_t minuteOf(const platform::LocalTime& time) {
    return daysFromCivil(time.year, time.month, time.day) * kMinutesPerDay + time.hour * 60 +
           time.minute;
}

// Every start of the entries that are on, from a week before the moment to a
// week after it, one by one.
template <typename Visit>
void forEachStart(const std::vector<settings::PlanningEntry>& entries,
                  const platform::LocalTime& now, Visit visit) {
    const std::int64_t today = minuteOf(now) - now.hour * 60 - now.minute;
    for (std::size_t index = 0; index < entries.size(); ++index) {
        const settings::PlanningEntry& entry = entries[index];
        if (!entry.on) {
            continue;
        }
        for (int offset = -kDaysPerWeek; offset <= kDaysPerWeek; ++offset) {
            const int weekday =
                ((now.weekday + offset) % kDaysPerWeek + kDaysPerWeek) % kDaysPerWeek;
            if (!entry.days[static_cast<std::size_t>(weekday)]) {
                continue;
            }
            visit(Start{.entry = index,
                        .minute = today + offset * kMinutesPerDay + entry.hour * 60 + entry.minute,
                        .weekday = weekday,
                        .hour = entry.hour,
                        .minuteOfHour = entry.minute});
        }
    }
}

} // namespace

std::optional<Start> entryInForce(const std::vector<settings::PlanningEntry>& entries,
                                  const platform::LocalTime& now) {
    const std::int64_t moment = minuteOf(now);
    std::optional<Start> latest;
    forEachStart(entries, now, [&](const Start& start) {
        if (start.minute <= moment && (!latest || start.minute > latest->minute)) {
            latest = start;
        }
    });
    return latest;
}

std::optional<Start> nextStart(const std::vector<settings::PlanningEntry>& entries,
                               const platform::LocalTime& now) {
    const std::int64_t moment = minuteOf(now);
    std::optional<Start> earliest;
    forEachStart(entries, now, [&](const Start& start) {
        if (start.minute > moment && (!earliest || start.minute < earliest->minute)) {
            earliest = start;
        }
    });
    return earliest;
}

} // namespace velmora::planning
