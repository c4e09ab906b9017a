#include "station/station_file.h"

#include "station/station_settings.h"

#include <vector>

namespace velmora::station {
namespace {

constexpr auto kPsSetWidth = static_cast<std::size_t>(kProgrammeServiceLayout.setWidth());
constexpr auto kRtSetWidth = static_cast<std::size_t>(kRadiotextLayout.setWidth());
constexpr std::size_t kRtSetStart = kPsSetWidth + kEntryEnd.size();
// Everything after the RT set is passed over.
constexpr std::size_t kUsedLength = kRtSetStart + kRtSetWidth;

// A complete set is written exactly as it stands: a fill sends every
// character of an entry as it is, flag included, so the file must give back
// what the encoder would have received. A short set (read from a damaged
// file, or left by an incomplete read-out) is padded as the editors would
// pad it, since it would otherwise shift every position after it and the
// file would read back garbled; a missing set beside an existing one is
// written as blank, inactive entries, so that a save never drops the set
// that does exist.
std::string fullLengthSet(std::string_view set, const SetLayout& layout) {
    if (set.size() == static_cast<std::size_t>(layout.setWidth())) {
        return std::string(set);
    }
    std::vector<EntryInput> entries;
    if (setExists(set)) {
        for (const SetEntry& entry : takeApart(set, layout)) {
            entries.push_back({entry.name, entry.isActive()});
        }
    }
    return compose(entries, layout);
}

} // namespace

std::string composeStationFile(std::string_view programmeServiceSet,
                               std::string_view radiotextSet) {
    if (!setExists(programmeServiceSet) && !setExists(radiotextSet)) {
        return {};
    }
    std::string content = fullLengthSet(programmeServiceSet, kProgrammeServiceLayout);
    content.append(kEntryEnd).append(fullLengthSet(radiotextSet, kRadiotextLayout));
    return content;
}

StationSets parseStationFile(std::string_view content) {
    StationSets sets;
    sets.programmeService = content.substr(0, kPsSetWidth);
    if (content.size() > kRtSetStart) {
        sets.radiotext = content.substr(kRtSetStart, kRtSetWidth);
    }
    return sets;
}

StationFileRead readStationFile(const platform::FileStore& files, const std::string& path) {
    auto [status, bytes] = files.readStart(path, kUsedLength);
    if (!status) {
        return {std::move(status), {}};
    }
    return {std::move(status), parseStationFile(bytes)};
}

platform::Status writeStationFile(platform::FileStore& files, const std::string& path,
                                  const StationSets& sets) {
    return files.writeAtomically(path, composeStationFile(sets.programmeService, sets.radiotext));
}

} // namespace velmora::station
