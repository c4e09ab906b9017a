#pragma once

#include "platform/file_store.h"

#include <string>
#include <string_view>

namespace velmora::station {

// A station file: the PS set, CR LF, the RT set; 447 bytes of Windows-1252
// text.
//
// The dialogs' filters for station files. They differ on purpose, and each
// dialog shows its own exactly: Open and Save As speak of one file, the user
// editor's Browse of files and ends with a bar.
inline constexpr std::string_view kStationFileFilter = "Rds bestand (*.Rds)|*.Rds";
inline constexpr std::string_view kStationFileBrowseFilter = "Rds bestanden (*.Rds)|*.Rds|";

struct StationSets {
    std::string programmeService;
    std::string radiotext;

    bool operator==(const StationSets&) const = default;
};

// Always 447 bytes: short sets are padded to their full layout and a missing
// set is written as blank, inactive entries.
std::string composeStationFile(std::string_view programmeServiceSet, std::string_view radiotextSet);

// Reads by position without judging: the PS set is the first 110 characters
// (fewer when the file is shorter), the RT set the 335 from character 113;
// characters 111 and 112 and everything after the RT set are passed over.
StationSets parseStationFile(std::string_view content);

struct StationFileRead {
    platform::Status status;
    StationSets sets;
};

// The one reader of station files, for every command that opens one: only
// the bytes that parseStationFile can use are read, so a huge file opens as
// fast as a small one, and anything but a regular file is refused at once.
StationFileRead readStationFile(const platform::FileStore& files, const std::string& path);
platform::Status writeStationFile(platform::FileStore& files, const std::string& path,
                                  const StationSets& sets);

} // namespace velmora::station
