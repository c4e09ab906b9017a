#pragma once

#include "platform/settings_store.h"

#include <QString>

namespace velmora::platform {

// The settings store as an INI file that only its owner may read:
// ~/.config/<name>/<name>.ini, <name> being the executable's base name.
// Sections and keys are escaped, so that every user name gets a section of
// its own; values are kept as text.
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    explicit QtSettingsStore(QString iniFilePath);

    std::string GetSetting(std::string_view section, std::string_view key) const override;
    Status SaveSetting(std::string_view section, std::string_view key,
                       std::string_view value) override;
    Status SaveSettings(std::string_view section, std::span<const Setting> changes) override;

    const QString& fileName() const { return fileName_; }

private:
    Status createPrivateFile() const;
    Status probeWriteAccess() const;

    QString fileName_;
};

// The settings file of the program by this name: ~/.config/<name>/<name>.ini,
// so that a companion program reads the same settings as the one it serves.
QString settingsFileOf(const QString& programName);

// The name under which a section or key is kept. Letters, digits and "_"
// stay as they are; every other byte becomes "-" and two hex digits, and the
// empty name becomes "-", so no two names share an entry.
QString escapedSettingsName(std::string_view name);

} // namespace velmora::platform
