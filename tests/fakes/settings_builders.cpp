#include "fakes/settings_builders.h"

#include "settings/account.h"

#include <utility>

namespace velmora::fakes {
namespace {

// Each key beside the text a test gives it.
template <typename Texts> auto keyedTexts(Texts& decoder) {
    return std::array{std::pair{&settings::kProgrammeType, &decoder.programmeType},
                      std::pair{&settings::kFrequency, &decoder.frequencyCode},
                      std::pair{&settings::kPsIntervalPosition, &decoder.psIntervalPosition},
                      std::pair{&settings::kPsIntervalSeconds, &decoder.psIntervalSeconds},
                      std::pair{&settings::kRtIntervalPosition, &decoder.rtIntervalPosition},
                      std::pair{&settings::kRtIntervalSeconds, &decoder.rtIntervalSeconds}};
}

} // namespace

platform::Status withDecoder(platform::SettingsStore& store, const DecoderTexts& decoder) {
    for (const auto& [key, text] : keyedTexts(decoder)) {
        if (!*text) {
            continue;
        }
        if (platform::Status written = settings::write(store, *key, **text); !written) {
            return written;
        }
    }
    return platform::Status::success();
}

DecoderTexts decoderTextsOf(const platform::SettingsStore& store) {
    DecoderTexts decoder;
    for (const auto& [key, text] : keyedTexts(decoder)) {
        *text = settings::read(store, *key);
    }
    return decoder;
}

platform::Status withAccount(platform::SettingsStore& store, std::string_view userName,
                             std::string_view password, std::string_view linkedFile) {
    return settings::writeAccount(
        store, userName,
        {.password = std::string(password), .linkedFile = std::string(linkedFile)});
}

} // namespace velmora::fakes
