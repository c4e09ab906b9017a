#pragma once

#include <string_view>

namespace velmora::station {

// What the station file operations ask of the main window.
class StationFileView {
public:
    virtual ~StationFileView() = default;

    // The warning window with this text (Windows-1252), a beep, shown modally.
    virtual void showWarning(std::string_view text) = 0;
};

} // namespace velmora::station
