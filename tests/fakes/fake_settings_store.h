#pragma once

#include "platform/settings_store.h"

#include <map>
#include <string>
#include <utility>

namespace velmora::fakes {

// An in-memory settings store. failSaves makes every save fail, as a full or
// read-only disk would.
class FakeSettingsStore : public platform::SettingsStore {
public:
    std::string GetSetting(std::string_view section, std::string_view key) const override;
    platform::Status SaveSetting(std::string_view section, std::string_view key,
                                 std::string_view value) override;

    bool has(std::string_view section, std::string_view key) const;
    int saveCount() const { return saveCount_; }

    bool failSaves = false;

private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
    int saveCount_ = 0;
};

} // namespace velmora::fakes
