#pragma once

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

inline constexpr int kProgrammeTypeCount = 32;
const std::array<std::string_view, kProgrammeTypeCount>& programmeTypes();

// Alternative frequency codes: 0 is none, 1 to 204 stand for 87.5 + code/10 MHz.
inline constexpr int kHighestFrequencyCode = 204;
bool isFrequencyCode(std::int64_t code);
// "87.6", "88", "107.9" with the given decimal separator; empty for a code
// outside 1-204.
std::string frequencyText(std::int64_t code, std::string_view decimalSeparator);

// The "Decoder" section of the settings store and its keys.
namespace decoder_keys {
inline constexpr std::string_view kSection = "Decoder";
inline constexpr std::string_view kProgrammeType = "Programma";
inline constexpr std::string_view kFrequency = "Frequentie";
inline constexpr std::string_view kPsIntervalPosition = "Progint";
inline constexpr std::string_view kPsIntervalSeconds = "strProgint";
inline constexpr std::string_view kRtIntervalPosition = "Tekstint";
inline constexpr std::string_view kRtIntervalSeconds = "strTekstint";
} // namespace decoder_keys

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

} // namespace velmora::station
