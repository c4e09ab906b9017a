#pragma once

#include "platform/settings_store.h"

#include <optional>
#include <string>

namespace velmora::settings {

// The decoder information as the decoder window, the overview and the preview
// show it. Each number is read by its key's rule and within its key's range,
// and is nothing when it is missing or falls outside, so that each window
// falls back as it must.
struct DecoderSettings {
    std::optional<int> programmeType; // position in the list "Geen" to "Alarm"
    std::optional<int> frequencyCode; // 0 for none, 1 to 204
    // The code only when it names a frequency, 1 to 204 as written: "0.5"
    // rounds to code 1, yet names none.
    std::optional<int> frequency;
    std::optional<int> psIntervalPosition;
    std::optional<int> rtIntervalPosition;
    // The intervals in seconds, as a fill sends them; 0 stands for none.
    std::optional<int> psIntervalSeconds;
    std::optional<int> rtIntervalSeconds;
};
DecoderSettings readDecoderSettings(const platform::SettingsStore& store);

// What the decoder window writes: its four list positions, each interval
// also in seconds. The six keys go together: a store that takes only some of
// them would leave a fill sending other intervals than the window shows.
struct DecoderChoice {
    int programmeType = 0;
    int frequencyCode = 0;
    int psIntervalPosition = 0;
    int rtIntervalPosition = 0;
};
platform::Status writeDecoderChoice(platform::SettingsStore& store, const DecoderChoice& choice);

// The four values that a fill sends, as the keys hold them now. A fill reads
// each by its leading number and sends zeros for one outside its key's range.
struct DecoderValues {
    std::string programmeType;
    std::string frequencyCode;
    std::string psIntervalSeconds;
    std::string rtIntervalSeconds;
};
DecoderValues readDecoderValues(const platform::SettingsStore& store);

} // namespace velmora::settings
