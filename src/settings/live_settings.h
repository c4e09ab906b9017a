#pragma once

#include "platform/settings_store.h"

#include <string>

namespace velmora::settings {

// How the live radiotext is set up.
struct LiveSettings {
    std::string file; // Windows-1252 path of the file the playout system writes
    int entry = 1;    // the RT entry, 1 to 5
    std::string prefix;
    bool on = false;
};
LiveSettings readLiveSettings(const platform::SettingsStore& store);
// Writes the four keys together.
platform::Status writeLiveSettings(platform::SettingsStore& store, const LiveSettings& live);

} // namespace velmora::settings
