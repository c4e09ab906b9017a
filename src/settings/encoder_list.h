#pragma once

#include "platform/settings_store.h"
#include "settings/settings_schema.h"

#include <string>
#include <vector>

namespace velmora::settings {

// The port numbers an encoder of the list may have.
inline constexpr Range kEncoderPortRange{1, 99};

// One encoder of the list, such as the one at a transmitter site.
struct EncoderEntry {
    std::string name; // Windows-1252
    int port = 1;
    bool takesPart = true;

    bool operator==(const EncoderEntry&) const = default;
};

// A port that cannot be read reads as 1, and the encoder then takes no
// part, so that nothing is ever sent to a port by mistake.
std::vector<EncoderEntry> readEncoderList(const platform::SettingsStore& store);
// Writes the whole list together, or nothing.
platform::Status writeEncoderList(platform::SettingsStore& store,
                                  const std::vector<EncoderEntry>& encoders);

} // namespace velmora::settings
