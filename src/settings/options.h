#pragma once

#include "platform/settings_store.h"

#include <string>
#include <string_view>

namespace velmora::settings {

// The options and where the station-file dialogs start. Every text is
// Windows-1252; the folders and the start value are paths.
struct Options {
    std::string titleBarText;
    std::string openFolder; // empty for the default station folder
    std::string browseFolder;
    std::string saveAsStart;
};
Options readOptions(const platform::SettingsStore& store);
platform::Status writeTitleBarText(platform::SettingsStore& store, std::string_view text);

} // namespace velmora::settings
