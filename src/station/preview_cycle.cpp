#include "station/preview_cycle.h"

#include "station/station_settings.h"

#include <algorithm>

namespace velmora::station {

namespace {

std::vector<std::string> activeEntries(std::string_view set, const SetLayout& layout) {
    std::vector<std::string> names;
    if (!setExists(set)) {
        return names;
    }
    for (SetEntry& entry : takeApart(set, layout)) {
        if (entry.isActive()) {
            names.push_back(std::move(entry.name));
        }
    }
    return names;
}

bool isBlank(std::string_view name) {
    return name.find_first_not_of(' ') == std::string_view::npos;
}

bool isSet(std::optional<int> interval) {
    return interval.value_or(0) > 0;
}

// The entry on screen: each in turn for the interval, or the first standing
// still without one.
std::string entryAt(const std::vector<std::string>& entries, std::optional<int> interval,
                    std::chrono::seconds elapsed) {
    if (entries.empty()) {
        return {};
    }
    if (!isSet(interval)) {
        return entries.front();
    }
    const auto turn = static_cast<std::size_t>(std::max<std::int64_t>(elapsed.count(), 0) /
                                               static_cast<std::int64_t>(*interval));
    return entries[turn % entries.size()];
}

std::string withoutPadding(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

} // namespace

PreviewFrame previewAt(const PreviewSource& source, std::chrono::seconds elapsed) {
    const std::vector<std::string> names =
        activeEntries(source.programmeServiceSet, kProgrammeServiceLayout);
    const std::vector<std::string> texts = activeEntries(source.radiotextSet, kRadiotextLayout);
    PreviewFrame frame{.name = entryAt(names, source.psIntervalSeconds, elapsed),
                       .text = withoutPadding(entryAt(texts, source.rtIntervalSeconds, elapsed)),
                       .notes = {}};
    if (names.empty()) {
        frame.notes.push_back(PreviewNote::NoActiveName);
    } else if (!isSet(source.psIntervalSeconds)) {
        frame.notes.push_back(PreviewNote::PsIntervalNotSet);
    }
    if (isSet(source.psIntervalSeconds) && *source.psIntervalSeconds < kShortestReadableSeconds) {
        frame.notes.push_back(PreviewNote::PsIntervalTooShort);
    }
    if (std::ranges::any_of(names, isBlank)) {
        frame.notes.push_back(PreviewNote::BlankActiveName);
    }
    if (texts.empty()) {
        frame.notes.push_back(PreviewNote::NoActiveText);
    } else if (!isSet(source.rtIntervalSeconds)) {
        frame.notes.push_back(PreviewNote::RtIntervalNotSet);
    }
    return frame;
}

} // namespace velmora::station
