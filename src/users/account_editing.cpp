#include "users/account_editing.h"

#include "users/accounts.h"
#include "users/stored_password.h"

namespace velmora::users {

AccountFields readAccount(const platform::SettingsStore& store, const std::string& userName) {
    std::string stored = store.GetSetting(userName, kPasswordKey);
    const std::string shown =
        stored.empty() ? std::string() : std::string(kStoredPasswordPlaceholder);
    return AccountFields{.userName = userName,
                         .password = shown,
                         .confirmation = shown,
                         .linkedFile = store.GetSetting(userName, kLinkedFileKey),
                         .storedPassword =
                             stored.empty() ? std::nullopt : std::optional(std::move(stored))};
}

bool canConfirm(const AccountFields& fields) {
    return !fields.userName.empty() && !fields.password.empty() && !fields.confirmation.empty();
}

AccountSaveResult saveAccount(platform::SettingsStore& store,
                              const platform::PasswordHashing& hashing, const AccountFields& fields,
                              std::string& failureReason) {
    if (fields.confirmation != fields.password) {
        return AccountSaveResult::PasswordsDiffer;
    }
    std::optional<std::string> password = fields.storedPassword;
    if (!password) {
        password = hashing.hash(fields.password);
    }
    if (!password) {
        failureReason = kPasswordNotHashedReason;
        return AccountSaveResult::StoreFailed;
    }
    const platform::Setting account[] = {{kPasswordKey, *password},
                                         {kLinkedFileKey, fields.linkedFile}};
    if (const auto status = store.SaveSettings(fields.userName, account); !status.ok()) {
        failureReason = status.reason();
        return AccountSaveResult::StoreFailed;
    }
    return AccountSaveResult::Saved;
}

} // namespace velmora::users
