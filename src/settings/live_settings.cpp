#include "settings/live_settings.h"

#include "settings/settings_schema.h"

namespace velmora::settings {

LiveSettings readLiveSettings(const platform::SettingsStore& store) {
    return {.file = read(store, kLiveFile),
            .entry = readNumber(store, kLiveEntry).value_or(kLiveEntry.range->lowest),
            .prefix = read(store, kLivePrefix),
            .on = readFlag(store, kLiveOn)};
}

platform::Status writeLiveSettings(platform::SettingsStore& store, const LiveSettings& live) {
    const std::string entry = std::to_string(live.entry);
    const Entry<Key> entries[] = {
        {kLiveFile, live.file},
        {kLiveEntry, entry},
        {kLivePrefix, live.prefix},
        {kLiveOn, live.on ? "1" : "0"},
    };
    return write(store, entries);
}

} // namespace velmora::settings
