#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::station {

// Receivers on the road drop names shown for less than this, and a driver
// cannot read them in time.
inline constexpr int kShortestReadableSeconds = 3;

// What a listener's radio is given: both sets and their intervals in seconds,
// as a fill sends them. An interval that is nothing or 0 is not set.
struct PreviewSource {
    std::string_view programmeServiceSet;
    std::string_view radiotextSet;
    std::optional<int> psIntervalSeconds;
    std::optional<int> rtIntervalSeconds;
};

// Why the display looks as it does, and what the station may want to change.
// Advice only: nothing here stops a fill.
enum class PreviewNote {
    NoActiveName,       // the name line stays empty
    PsIntervalNotSet,   // the first active name stands still
    PsIntervalTooShort, // set, but under kShortestReadableSeconds
    BlankActiveName,    // an active name that is empty or only spaces
    NoActiveText,       // the radiotext line stays empty
    RtIntervalNotSet,   // the first active radiotext stands still
};

// The display at one moment.
struct PreviewFrame {
    std::string name; // as in the set, padding included; empty when none is active
    std::string text; // without its padding; empty when none is active
    std::vector<PreviewNote> notes;

    bool operator==(const PreviewFrame&) const = default;
};

// What the radio shows `elapsed` after it was given the source: the active
// entries of each set in set order, each for its set's interval, and then
// the first again.
PreviewFrame previewAt(const PreviewSource& source, std::chrono::seconds elapsed);

} // namespace velmora::station
