#pragma once

#include "platform/settings_store.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::settings {

inline constexpr int kDaysInWeek = 7;
// The days as the planning names them, Monday first.
inline constexpr std::array<std::string_view, kDaysInWeek> kDayNames{"ma", "di", "wo", "do",
                                                                     "vr", "za", "zo"};

// One entry of the planning: on these days, from this time, the encoder gets
// this station file.
struct PlanningEntry {
    std::array<bool, kDaysInWeek> days{}; // Monday first
    int hour = 0;
    int minute = 0;
    std::string file; // Windows-1252 path
    bool on = true;
    // Every encoder of the list that takes part, instead of the main connection's.
    bool allEncoders = false;

    bool operator==(const PlanningEntry&) const = default;
};

struct PlanningSettings {
    bool inUse = false;
    std::vector<PlanningEntry> entries;

    bool operator==(const PlanningSettings&) const = default;
};

// An entry whose days or time cannot be read counts as off, so that it is
// never sent by mistake; the window shows it as it was read.
PlanningSettings readPlanningSettings(const platform::SettingsStore& store);
// Writes the whole planning together, or nothing.
platform::Status writePlanningSettings(platform::SettingsStore& store,
                                       const PlanningSettings& planning);

// "ma di wo do vr"; "" for no day.
std::string daysText(const std::array<bool, kDaysInWeek>& days);
// "06:00".
std::string startText(int hour, int minute);

} // namespace velmora::settings
