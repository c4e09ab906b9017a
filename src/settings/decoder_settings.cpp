#include "settings/decoder_settings.h"

#include "settings/settings_schema.h"

namespace velmora::settings {

DecoderSettings readDecoderSettings(const platform::SettingsStore& store) {
    return {.programmeType = readNumber(store, kProgrammeType),
            .frequencyCode = readNumber(store, kFrequency),
            .frequency = readNumber(store, kFrequency, Range{1, kHighestFrequencyCode}),
            .psIntervalPosition = readNumber(store, kPsIntervalPosition),
            .rtIntervalPosition = readNumber(store, kRtIntervalPosition),
            .psIntervalSeconds = readNumber(store, kPsIntervalSeconds),
            .rtIntervalSeconds = readNumber(store, kRtIntervalSeconds)};
}

platform::Status writeDecoderChoice(platform::SettingsStore& store, const DecoderChoice& choice) {
    const std::string programmeType = std::to_string(choice.programmeType);
    const std::string frequency = std::to_string(choice.frequencyCode);
    const std::string psPosition = std::to_string(choice.psIntervalPosition);
    const std::string psSeconds =
        std::to_string(kPsIntervalRange.secondsAt(choice.psIntervalPosition));
    const std::string rtPosition = std::to_string(choice.rtIntervalPosition);
    const std::string rtSeconds =
        std::to_string(kRtIntervalRange.secondsAt(choice.rtIntervalPosition));
    const Entry<Key> entries[] = {
        {kProgrammeType, programmeType},   {kFrequency, frequency},
        {kPsIntervalPosition, psPosition}, {kPsIntervalSeconds, psSeconds},
        {kRtIntervalPosition, rtPosition}, {kRtIntervalSeconds, rtSeconds},
    };
    return write(store, entries);
}

DecoderValues readDecoderValues(const platform::SettingsStore& store) {
    return {read(store, kProgrammeType), read(store, kFrequency), read(store, kPsIntervalSeconds),
            read(store, kRtIntervalSeconds)};
}

} // namespace velmora::settings
