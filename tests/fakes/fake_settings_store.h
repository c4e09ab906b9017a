#pragma once

#include "platform/settings_store.h"
#include "settings/settings_schema.h"

#include <cstddef>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <utility>

namespace velmora::fakes {

// An in-memory settings store. failSaves makes every save fail, as a full or
// read-only disk would; roomForKeys lets that many more keys be written
// before the store is full.
class FakeSettingsStore : public platform::SettingsStore {
public:
    std::string GetSetting(std::string_view section, std::string_view key) const override;
    platform::Status SaveSetting(std::string_view section, std::string_view key,
                                 std::string_view value) override;
    platform::Status SaveSettings(std::string_view section,
                                  std::span<const platform::Setting> changes) override;

    bool has(std::string_view section, std::string_view key) const;
    bool has(const settings::Key& key) const { return has(key.section, key.name); }
    bool has(std::string_view userName, const settings::AccountKey& key) const {
        return has(userName, key.name);
    }
    int saveCount() const { return saveCount_; }

    bool failSaves = false;
    std::optional<std::size_t> roomForKeys;

private:
    bool hasRoomFor(std::size_t keys) const;

    std::map<std::pair<std::string, std::string>, std::string> values_;
    int saveCount_ = 0;
};

} // namespace velmora::fakes
