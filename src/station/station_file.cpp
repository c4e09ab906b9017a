#include "station/station_file.h"

#include "station/station_settings.h"

namespace velmora::station {
namespace {

constexpr auto kPsSetWidth = static_cast<std::size_t>(kProgrammeServiceLayout.setWidth());
constexpr auto kRtSetWidth = static_cast<std::size_t>(kRadiotextLayout.setWidth());
constexpr std::size_t kRtSetStart = kPsSetWidth + kEntryEnd.size();

} // namespace

std::string composeStationFile(std::string_view programmeServiceSet,
                               std::string_view radiotextSet) {
    if (!setExists(programmeServiceSet) || !setExists(radiotextSet)) {
        return {};
    }
    std::string content;
    content.reserve(programmeServiceSet.size() + kEntryEnd.size() + radiotextSet.size());
    content.append(programmeServiceSet).append(kEntryEnd).append(radiotextSet);
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
    auto [status, bytes] = files.readAll(path);
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
