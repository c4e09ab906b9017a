#pragma once

#include "link/encoder_session.h"
#include "platform/settings_store.h"
#include "station/document.h"
#include "station/document_view.h"
#include "station/station_file.h"

#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace velmora::link {

// Where a read-out that must leave the program as it is puts the answers: a
// document and "Decoder" keys of its own, kept in memory.
class ReadOutCopy : private station::DocumentView, private platform::SettingsStore {
public:
    ReadOutCopy() = default;
    ReadOutCopy(const ReadOutCopy&) = delete;
    ReadOutCopy& operator=(const ReadOutCopy&) = delete;

    ReadOutTarget target() { return {document_, *this}; }
    station::StationSets sets() const {
        return {document_.programmeServiceSet(), document_.radiotextSet()};
    }

private:
    void enableSaveCommands(bool /*enabled*/) override {}
    std::string GetSetting(std::string_view section, std::string_view key) const override;
    platform::Status SaveSetting(std::string_view section, std::string_view key,
                                 std::string_view value) override;
    platform::Status SaveSettings(std::string_view section,
                                  std::span<const platform::Setting> settings) override;

    station::Document document_{*this};
    std::map<std::pair<std::string, std::string>, std::string, std::less<>> values_;
};

} // namespace velmora::link
