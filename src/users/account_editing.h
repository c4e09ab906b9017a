#pragma once

#include "platform/settings_store.h"

#include <string>
#include <string_view>

namespace velmora::users {

inline constexpr std::string_view kPasswordMismatchMessage = "Wachtwoorden komen niet overeen.";

// The two keys of an account, as the user editor shows and writes them.
struct AccountFields {
    std::string userName;
    std::string password;
    std::string confirmation;
    std::string linkedFile; // optional
};

AccountFields readAccount(const platform::SettingsStore& store, const std::string& userName);

// "&Ok" and "&Toepassen" need a name, a password and a confirmation.
bool canConfirm(const AccountFields& fields);

enum class AccountSaveResult { Saved, PasswordsDiffer, StoreFailed };

// Writes the password and the linked file (an empty one unlinks it) under the
// name as typed; an existing account of that name is overwritten. Nothing is
// written when the confirmation differs from the password, case included.
AccountSaveResult saveAccount(platform::SettingsStore& store, const AccountFields& fields,
                              std::string& failureReason);

} // namespace velmora::users
