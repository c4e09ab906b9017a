#pragma once

#include "settings/decoder_ranges.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::station {

// The two sets of the document share one text layout: a fixed number of
// entries, each a space-padded name, an active flag and CR LF.
struct SetLayout {
    int entryCount;
    int nameWidth;

    constexpr int entryWidth() const { return nameWidth + 3; }
    constexpr int setWidth() const { return entryCount * entryWidth(); }
};

inline constexpr SetLayout kProgrammeServiceLayout{10, 8};
inline constexpr SetLayout kRadiotextLayout{5, 64};

inline constexpr std::string_view kEntryEnd = "\r\n";

// One entry as read from a set. A damaged set may give a shorter name and an
// empty flag; every flag other than "0" reads as active.
struct SetEntry {
    std::string name;
    std::string flag;

    bool isActive() const { return flag != "0"; }
};

// One entry as an editor hands it over for composing.
struct EntryInput {
    std::string name;
    bool active = false;
};

std::vector<SetEntry> takeApart(std::string_view set, const SetLayout& layout);
std::string compose(const std::vector<EntryInput>& entries, const SetLayout& layout);
std::string padName(std::string_view name, const SetLayout& layout);

inline bool setExists(std::string_view set) {
    return !set.empty();
}

// The decoder information's ranges are declared with its settings keys.
using settings::IntervalRange;
using settings::kHighestFrequencyCode;
using settings::kProgrammeTypeCount;
using settings::kPsIntervalRange;
using settings::kRtIntervalRange;

const std::array<std::string_view, kProgrammeTypeCount>& programmeTypes();

bool isFrequencyCode(std::int64_t code);
// "87.6", "88", "107.9" with the given decimal separator; empty for a code
// outside 1-204.
std::string frequencyText(std::int64_t code, std::string_view decimalSeparator);

} // namespace velmora::station
