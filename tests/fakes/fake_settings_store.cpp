#include "fakes/fake_settings_store.h"

namespace velmora::fakes {

std::string FakeSettingsStore::GetSetting(std::string_view section, std::string_view key) const {
    const auto found = values_.find({std::string(section), std::string(key)});
    return found == values_.end() ? std::string() : found->second;
}

platform::Status FakeSettingsStore::SaveSetting(std::string_view section, std::string_view key,
                                                std::string_view value) {
    const platform::Setting setting{key, value};
    return SaveSettings(section, std::span(&setting, 1));
}

platform::Status FakeSettingsStore::SaveSettings(std::string_view section,
                                                 std::span<const platform::Setting> changes) {
    if (!hasRoomFor(changes.size())) {
        return platform::Status::failure("Schijf vol");
    }
    if (roomForKeys) {
        *roomForKeys -= changes.size();
    }
    for (const platform::Setting& change : changes) {
        ++saveCount_;
        values_[{std::string(section), std::string(change.key)}] = std::string(change.value);
    }
    return platform::Status::success();
}

bool FakeSettingsStore::hasRoomFor(std::size_t keys) const {
    return !failSaves && (!roomForKeys || *roomForKeys >= keys);
}

bool FakeSettingsStore::has(std::string_view section, std::string_view key) const {
    return values_.contains({std::string(section), std::string(key)});
}

} // namespace velmora::fakes
