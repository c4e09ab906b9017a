#include "link/read_out_copy.h"

namespace velmora::link {

std::string ReadOutCopy::GetSetting(std::string_view section, std::string_view key) const {
    const auto found = values_.find({std::string(section), std::string(key)});
    return found == values_.end() ? std::string() : found->second;
}

platform::Status ReadOutCopy::SaveSetting(std::string_view section, std::string_view key,
                                          std::string_view value) {
    values_[{std::string(section), std::string(key)}] = std::string(value);
    return platform::Status::success();
}

platform::Status ReadOutCopy::SaveSettings(std::string_view section,
                                           std::span<const platform::Setting> settings) {
    for (const platform::Setting& setting : settings) {
        values_[{std::string(section), std::string(setting.key)}] = std::string(setting.value);
    }
    return platform::Status::success();
}

} // namespace velmora::link
