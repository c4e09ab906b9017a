#pragma once

#include "platform/settings_store.h"
#include "settings/settings_schema.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::fakes {

// The "Decoder" keys as a test stores them, each as the text it is to hold;
// a key left out keeps what it holds.
struct DecoderTexts {
    std::optional<std::string> programmeType{};
    std::optional<std::string> frequencyCode{};
    std::optional<std::string> psIntervalPosition{};
    std::optional<std::string> psIntervalSeconds{};
    std::optional<std::string> rtIntervalPosition{};
    std::optional<std::string> rtIntervalSeconds{};

    bool operator==(const DecoderTexts&) const = default;
};
[[nodiscard]] platform::Status withDecoder(platform::SettingsStore& store,
                                           const DecoderTexts& decoder);
// What the six keys hold, an absent one as empty text.
DecoderTexts decoderTextsOf(const platform::SettingsStore& store);

// An account with its password stored as given and the station file linked
// to it, if any.
[[nodiscard]] platform::Status withAccount(platform::SettingsStore& store,
                                           std::string_view userName, std::string_view password,
                                           std::string_view linkedFile = {});

} // namespace velmora::fakes
