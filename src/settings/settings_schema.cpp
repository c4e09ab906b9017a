#include "settings/settings_schema.h"

#include "settings/number_in_text.h"

#include <cassert>
#include <limits>
#include <vector>

namespace velmora::settings {
namespace {

constexpr Range kAnyInt{std::numeric_limits<int>::min(), std::numeric_limits<int>::max()};

std::optional<int> numberByRule(std::string_view text, NumberRule rule, Range range) {
    switch (rule) {
    case NumberRule::None:
        return std::nullopt;
    case NumberRule::Leading:
        if (const std::int64_t number = numberFromText(text); range.contains(number)) {
            return static_cast<int>(number);
        }
        return std::nullopt;
    case NumberRule::Rounded:
        if (const int number = roundedNumberFromText(text); range.contains(number)) {
            return number;
        }
        return std::nullopt;
    case NumberRule::RoundedWithin:
        // The end lies one past the highest number; highest is below INT_MAX
        // for every key that reads by this rule.
        return storedNumberInRange(text, range.lowest, range.highest + 1);
    }
    return std::nullopt;
}

template <typename KeyType>
std::vector<platform::Setting> settingsOf(std::span<const Entry<KeyType>> entries) {
    std::vector<platform::Setting> settings;
    settings.reserve(entries.size());
    for (const Entry<KeyType>& entry : entries) {
        settings.push_back({entry.key.name, entry.value});
    }
    return settings;
}

} // namespace

std::string read(const platform::SettingsStore& store, const Key& key) {
    return store.GetSetting(key.section, key.name);
}

platform::Status write(platform::SettingsStore& store, const Key& key, std::string_view value) {
    return store.SaveSetting(key.section, key.name, value);
}

std::string read(const platform::SettingsStore& store, std::string_view userName,
                 const AccountKey& key) {
    return store.GetSetting(userName, key.name);
}

platform::Status write(platform::SettingsStore& store, std::string_view userName,
                       const AccountKey& key, std::string_view value) {
    return store.SaveSetting(userName, key.name, value);
}

platform::Status write(platform::SettingsStore& store, std::span<const Entry<Key>> entries) {
    assert(!entries.empty());
    const std::string_view section = entries.front().key.section;
    for ([[maybe_unused]] const Entry<Key>& entry : entries) {
        assert(entry.key.section == section);
    }
    return store.SaveSettings(section, settingsOf(entries));
}

platform::Status write(platform::SettingsStore& store, std::string_view userName,
                       std::span<const Entry<AccountKey>> entries) {
    return store.SaveSettings(userName, settingsOf(entries));
}

std::optional<int> readNumber(const platform::SettingsStore& store, const Key& key) {
    return readNumber(store, key, key.range.value_or(kAnyInt));
}

std::optional<int> readNumber(const platform::SettingsStore& store, const Key& key, Range within) {
    return numberByRule(read(store, key), key.rule, within);
}

bool readFlag(const platform::SettingsStore& store, const Key& key) {
    return read(store, key) == "1";
}

platform::Status writeFlag(platform::SettingsStore& store, const Key& key, bool on) {
    return write(store, key, on ? "1" : "0");
}

std::string rowKeyName(const RowKey& key, int row) {
    return std::string(key.name) + std::to_string(row);
}

std::string read(const platform::SettingsStore& store, const RowKey& key, int row) {
    return store.GetSetting(key.section, rowKeyName(key, row));
}

void SectionWrite::set(const Key& key, std::string value) {
    assert(key.section == section_);
    values_.emplace_back(std::string(key.name), std::move(value));
}

void SectionWrite::set(const RowKey& key, int row, std::string value) {
    assert(key.section == section_);
    values_.emplace_back(rowKeyName(key, row), std::move(value));
}

platform::Status SectionWrite::to(platform::SettingsStore& store) const {
    std::vector<platform::Setting> settings;
    settings.reserve(values_.size());
    for (const auto& [name, value] : values_) {
        settings.push_back({name, value});
    }
    return store.SaveSettings(section_, settings);
}

} // namespace velmora::settings
