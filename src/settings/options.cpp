#include "settings/options.h"

#include "settings/settings_schema.h"

namespace velmora::settings {

Options readOptions(const platform::SettingsStore& store) {
    return {.titleBarText = read(store, kTitleBarText),
            .openFolder = read(store, kOpenFolder),
            .browseFolder = read(store, kBrowseFolder),
            .saveAsStart = read(store, kSaveAsStart)};
}

platform::Status writeTitleBarText(platform::SettingsStore& store, std::string_view text) {
    return write(store, kTitleBarText, text);
}

} // namespace velmora::settings
