#pragma once

#include "platform/password_hashing.h"
#include "platform/settings_store.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmora::users {

inline constexpr std::string_view kPasswordMismatchMessage = "Wachtwoorden komen niet overeen.";

// Stands in both password boxes for the stored password, which is never
// shown: as long as the longest password, so it tells nothing of its length.
inline constexpr std::string_view kStoredPasswordPlaceholder = "**********";

// The two keys of an account, as the user editor shows and writes them.
struct AccountFields {
    std::string userName;
    std::string password;
    std::string confirmation;
    std::string linkedFile; // optional
    // The stored value of the account shown, written back as it is while
    // neither password box has been changed.
    std::optional<std::string> storedPassword{};
};

// The account as "Huidige gebruiker aanpassen" shows it: the password boxes
// hold the placeholder while the account has a password.
AccountFields readAccount(const platform::SettingsStore& store, const std::string& userName);

// "&Ok" and "&Toepassen" need a name, a password and a confirmation.
bool canConfirm(const AccountFields& fields);

enum class AccountSaveResult { Saved, PasswordsDiffer, StoreFailed };

// Writes the password's hash, or the stored password kept as it is, and the
// linked file (an empty one unlinks it) under the name as typed; an existing
// account of that name is overwritten. Nothing is written when the
// confirmation differs from the password, case included.
AccountSaveResult saveAccount(platform::SettingsStore& store,
                              const platform::PasswordHashing& hashing, const AccountFields& fields,
                              std::string& failureReason);

} // namespace velmora::users
