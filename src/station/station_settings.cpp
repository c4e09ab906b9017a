#include "station/station_settings.h"

#include <algorithm>

namespace velmora::station {

std::vector<SetEntry> takeApart(std::string_view set, const SetLayout& layout) {
    std::vector<SetEntry> entries;
    entries.reserve(static_cast<std::size_t>(layout.entryCount));
    const auto nameWidth = static_cast<std::size_t>(layout.nameWidth);
    const auto entryWidth = static_cast<std::size_t>(layout.entryWidth());
    std::string_view rest = set;
    for (int k = 0; k < layout.entryCount; ++k) {
        SetEntry entry;
        entry.name = std::string(rest.substr(0, nameWidth));
        if (rest.size() > nameWidth) {
            entry.flag = std::string(1, rest[nameWidth]);
        }
        entries.push_back(std::move(entry));
        rest.remove_prefix(std::min(entryWidth, rest.size()));
    }
    return entries;
}

std::string padName(std::string_view name, const SetLayout& layout) {
    std::string padded(name.substr(0, static_cast<std::size_t>(layout.nameWidth)));
    padded.resize(static_cast<std::size_t>(layout.nameWidth), ' ');
    return padded;
}

std::string compose(const std::vector<EntryInput>& entries, const SetLayout& layout) {
    std::string set;
    set.reserve(static_cast<std::size_t>(layout.setWidth()));
    for (int k = 0; k < layout.entryCount; ++k) {
        const auto index = static_cast<std::size_t>(k);
        const EntryInput entry = index < entries.size() ? entries[index] : EntryInput{};
        set += padName(entry.name, layout);
        set += entry.active ? '1' : '0';
        set += kEntryEnd;
    }
    return set;
}

const std::array<std::string_view, kProgrammeTypeCount>& programmeTypes() {
    static constexpr std::array<std::string_view, kProgrammeTypeCount> kNames{"Geen",
                                                                              "News",
                                                                              "Current affairs",
                                                                              "Information",
                                                                              "Sport",
                                                                              "Education",
                                                                              "Drama",
                                                                              "Culture",
                                                                              "Science",
                                                                              "Varied",
                                                                              "Pop Music",
                                                                              "Rock Music",
                                                                              "Easy Listening ",
                                                                              "Light Classical",
                                                                              "Serious Classical",
                                                                              "Other Music",
                                                                              "Weather",
                                                                              "Finance",
                                                                              "Children's Programs",
                                                                              "Social Affairs",
                                                                              "Religion",
                                                                              "Phone In",
                                                                              "Travel",
                                                                              "Leisure",
                                                                              "Jazz Music",
                                                                              "Country Music",
                                                                              "National Music",
                                                                              "Oldies Music",
                                                                              "Folk Music",
                                                                              "Documentary",
                                                                              "Alarm Test",
                                                                              "Alarm"};
    return kNames;
}

bool isFrequencyCode(std::int64_t code) {
    return code >= 1 && code <= kHighestFrequencyCode;
}

std::string frequencyText(std::int64_t code, std::string_view decimalSeparator) {
    if (!isFrequencyCode(code)) {
        return {};
    }
    // Whole tenths of a megahertz keep the text exact.
    const auto tenths = 875 + code;
    std::string text = std::to_string(tenths / 10);
    if (tenths % 10 != 0) {
        text += decimalSeparator;
        text += std::to_string(tenths % 10);
    }
    return text;
}

} // namespace velmora::station
