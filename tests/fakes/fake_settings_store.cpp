#include "fakes/fake_settings_store.h"

namespace velmora::fakes {

std::string FakeSettingsStore::GetSetting(std::string_view section, std::string_view key) const {
    const auto found = values_.find({std::string(section), std::string(key)});
    return found == values_.end() ? std::string() : found->second;
}

platform::Status FakeSettingsStore::SaveSetting(std::string_view section, std::string_view key,
                                                std::string_view value) {
    if (failSaves) {
        return platform::Status::failure("Schijf vol");
    }
    ++saveCount_;
    values_[{std::string(section), std::string(key)}] = std::string(value);
    return platform::Status::success();
}

bool FakeSettingsStore::has(std::string_view section, std::string_view key) const {
    return values_.contains({std::string(section), std::string(key)});
}

} // namespace velmora::fakes
