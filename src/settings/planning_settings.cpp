#include "settings/planning_settings.h"

#include "settings/number_in_text.h"
#include "settings/settings_schema.h"

#include <algorithm>
#include <optional>
#include <sstream>
#include <tuple>

namespace velmora::settings {
namespace {

constexpr int kHoursInDay = 24;
constexpr int kMinutesInHour = 60;

std::optional<std::array<bool, kDaysInWeek>> daysFrom(const std::string& text) {
    std::array<bool, kDaysInWeek> days{};
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        const auto* found = std::find(kDayNames.begin(), kDayNames.end(), word);
        if (found == kDayNames.end()) {
            return std::nullopt;
        }
        days[static_cast<std::size_t>(found - kDayNames.begin())] = true;
    }
    return days;
}

bool isTwoDigits(std::string_view text) {
    return text.size() == 2 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "HH:MM" on a 24-hour clock.
std::optional<std::pair<int, int>> startFrom(std::string_view text) {
    if (text.size() != 5 || text[2] != ':' || !isTwoDigits(text.substr(0, 2)) ||
        !isTwoDigits(text.substr(3))) {
        return std::nullopt;
    }
    const auto hour = static_cast<int>(numberFromText(text.substr(0, 2)));
    const auto minute = static_cast<int>(numberFromText(text.substr(3)));
    if (hour >= kHoursInDay || minute >= kMinutesInHour) {
        return std::nullopt;
    }
    return std::pair{hour, minute};
}

std::string twoDigits(int number) {
    std::string text(number < 10 ? 1 : 0, '0');
    text += std::to_string(number);
    return text;
}

} // namespace

PlanningSettings readPlanningSettings(const platform::SettingsStore& store) {
    PlanningSettings planning{.inUse = readFlag(store, kPlanningInUse), .entries = {}};
    const int rows = readNumber(store, kPlanningRows).value_or(0);
    for (int row = 1; row <= rows; ++row) {
        PlanningEntry entry;
        const auto days = daysFrom(read(store, kPlanningDays, row));
        const auto start = startFrom(read(store, kPlanningStart, row));
        entry.days = days.value_or(std::array<bool, kDaysInWeek>{});
        if (start) {
            std::tie(entry.hour, entry.minute) = *start;
        }
        entry.file = read(store, kPlanningFile, row);
        entry.on = read(store, kPlanningOn, row) == "1" && days && start;
        entry.allEncoders = read(store, kPlanningAllEncoders, row) == "1";
        planning.entries.push_back(std::move(entry));
    }
    return planning;
}

platform::Status writePlanningSettings(platform::SettingsStore& store,
                                       const PlanningSettings& planning) {
    SectionWrite write(kPlanningInUse.section);
    write.set(kPlanningInUse, planning.inUse ? "1" : "0");
    write.set(kPlanningRows, std::to_string(planning.entries.size()));
    int row = 1;
    for (const PlanningEntry& entry : planning.entries) {
        write.set(kPlanningDays, row, daysText(entry.days));
        write.set(kPlanningStart, row, startText(entry.hour, entry.minute));
        write.set(kPlanningFile, row, entry.file);
        write.set(kPlanningOn, row, entry.on ? "1" : "0");
        write.set(kPlanningAllEncoders, row, entry.allEncoders ? "1" : "0");
        ++row;
    }
    return write.to(store);
}

std::string daysText(const std::array<bool, kDaysInWeek>& days) {
    std::string text;
    for (std::size_t day = 0; day < days.size(); ++day) {
        if (days[day]) {
            if (!text.empty()) {
                text += ' ';
            }
            text += kDayNames[day];
        }
    }
    return text;
}

std::string startText(int hour, int minute) {
    return twoDigits(hour) + ":" + twoDigits(minute);
}

} // namespace velmora::settings
