#pragma once

#include "platform/settings_store.h"

#include <string>
#include <string_view>

namespace velmora::settings {

// An account's two keys, in the section named after the user.
struct Account {
    std::string password;   // empty when there is no such account
    std::string linkedFile; // Windows-1252 path; empty when none is linked
};
Account readAccount(const platform::SettingsStore& store, std::string_view userName);
// Writes both keys together; an empty linked file unlinks the file.
platform::Status writeAccount(platform::SettingsStore& store, std::string_view userName,
                              const Account& account);
// Writes the password alone, leaving the linked file as it is.
platform::Status writePassword(platform::SettingsStore& store, std::string_view userName,
                               std::string_view password);

} // namespace velmora::settings
