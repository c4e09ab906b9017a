#pragma once

#include "platform/status.h"

#include <span>
#include <string>
#include <string_view>

namespace velmora::platform {

// Shown, followed by the system's reason, when the store cannot be written.
inline constexpr std::string_view kSettingsNotSavedMessage =
    "De instellingen konden niet worden opgeslagen: ";

// One key of a section and the value it is to hold.
struct Setting {
    std::string_view key;
    std::string_view value;
};

// The per-user persistent store, addressed by section and key; the
// application name is implied. Values are text. A key that was never written
// reads as the empty string; nothing is ever deleted or enumerated.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual std::string GetSetting(std::string_view section, std::string_view key) const = 0;
    virtual Status SaveSetting(std::string_view section, std::string_view key,
                               std::string_view value) = 0;
    // Writes several keys of one section together: either every one is
    // stored, or none is and each keeps the value it had.
    virtual Status SaveSettings(std::string_view section, std::span<const Setting> settings) = 0;
};

} // namespace velmora::platform
